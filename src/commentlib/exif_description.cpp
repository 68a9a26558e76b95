#include "exif_description.h"

namespace corvane::exif {

namespace {

constexpr uint16_t kImageDescription = 0x010E;
constexpr uint16_t kAscii = 2, kUndefined = 7;

std::optional<Endian> byteOrder(ByteView block)
{
    if (startsWith(block, {"II*\0", 4}))
        return Endian::Little;
    if (startsWith(block, {"MM\0*", 4}))
        return Endian::Big;
    return std::nullopt;
}

bool noteDescription(ByteView block, FirstDirectory& directory, uint32_t entry)
{
    const auto type = readU16(block, entry + 2, directory.endian);
    const auto count = readU32(block, entry + 4, directory.endian);
    if (!type || !count || (*type != kAscii && *type != kUndefined))
        return true;
    directory.descriptionEntry = entry;
    if (*count <= 4) {
        directory.descriptionValue = {entry + 8, *count};
        return true;
    }
    const auto valueOffset = readU32(block, entry + 8, directory.endian);
    if (!valueOffset || !fits(block.size(), *valueOffset, *count))
        return false;
    directory.descriptionValue = {*valueOffset, *count};
    return true;
}

}

std::optional<FirstDirectory> parseFirstDirectory(ByteView block)
{
    const auto endian = byteOrder(block);
    if (!endian)
        return std::nullopt;
    FirstDirectory directory;
    directory.endian = *endian;
    const auto offset = readU32(block, 4, *endian);
    const auto count = offset ? readU16(block, *offset, *endian) : std::nullopt;
    if (!count || *offset < 8)
        return std::nullopt;
    directory.offset = *offset;
    directory.entryCount = *count;
    const auto next = readU32(block, directory.end() - 4, *endian);
    if (!next)
        return std::nullopt;
    directory.nextDirectory = *next;
    for (uint32_t i = 0; i < *count; ++i) {
        const uint32_t entry = *offset + 2 + i * 12;
        if (readU16(block, entry, *endian) == kImageDescription && !noteDescription(block, directory, entry))
            return std::nullopt;
    }
    return directory;
}

std::string_view descriptionOf(ByteView block, const FirstDirectory& directory)
{
    if (!directory.descriptionEntry)
        return {};
    return asText(block.subspan(directory.descriptionValue.offset, directory.descriptionValue.length));
}

}
