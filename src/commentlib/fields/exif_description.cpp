// Finding ImageDescription (ASCII or undefined type) in a block's first directory, making a minimal big-endian block,
// and telling whether a block holds nothing beyond what such a minimal block would.
#include "commentlib/fields/exif_description.h"

#include <algorithm>
#include <string>

namespace corvane::exif {

namespace {

constexpr uint16_t kImageDescription = 0x010E;
constexpr uint16_t kAscii = 2, kUndefined = 7;

constexpr uint32_t kEntrySize = 12;

ByteView asBytesOf(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// An entry as we write it, its value in big-endian bytes.
struct PlainEntry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    std::string value;
};

std::string bigEndian(uint32_t value, size_t size)
{
    Bytes bytes;
    if (size == 2)
        appendU16(bytes, uint16_t(value), Endian::Big);
    else
        appendU32(bytes, value, Endian::Big);
    return std::string(asText(bytes));
}

// The tags a first directory must have besides the description: the resolution, centred chroma.
std::vector<PlainEntry> defaultEntries(const Resolution& resolution)
{
    return {{0x011A, 5, 1, bigEndian(resolution.x, 4) + bigEndian(1, 4)},
            {0x011B, 5, 1, bigEndian(resolution.y, 4) + bigEndian(1, 4)},
            {0x0128, 3, 1, bigEndian(resolution.unit, 2)},
            {0x0213, 3, 1, bigEndian(1, 2)}};
}

std::optional<uint32_t> numberAt(ByteView data, uint64_t offset, size_t unit, Endian endian)
{
    if (unit == 4)
        return readU32(data, offset, endian);
    const auto value = readU16(data, offset, endian);
    return value ? std::optional<uint32_t>(*value) : std::nullopt;
}

// True when the entry at `at` has the type, count and value of `expected`, read in the block's byte order.
bool holdsValue(ByteView block, uint64_t at, Endian endian, const PlainEntry& expected)
{
    if (readU16(block, at + 2, endian) != expected.type || readU32(block, at + 4, endian) != expected.count)
        return false;
    uint64_t valueAt = at + 8;
    if (expected.value.size() > 4) {
        const auto offset = readU32(block, at + 8, endian);
        if (!offset)
            return false;
        valueAt = *offset;
    }
    // Values are numbers of two or four bytes: compare them number by number.
    const size_t unit = expected.type == 3 ? 2 : 4;
    for (size_t i = 0; i < expected.value.size(); i += unit) {
        const auto have = numberAt(block, valueAt + i, unit, endian);
        if (!have || have != numberAt(asBytesOf(expected.value), i, unit, Endian::Big))
            return false;
    }
    return true;
}

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

Bytes newBlock(std::string_view text, const Resolution& resolution)
{
    std::vector<PlainEntry> entries = defaultEntries(resolution);
    entries.insert(entries.begin(), {kImageDescription, kAscii, uint32_t(text.size() + 1), std::string(text) + '\0'});
    Bytes block;
    appendText(block, {"MM\0*", 4});
    appendU32(block, 8, Endian::Big);
    appendU16(block, uint16_t(entries.size()), Endian::Big);
    uint32_t valueAt = uint32_t(8 + 2 + entries.size() * kEntrySize + 4);
    Bytes values;
    for (const PlainEntry& entry : entries) {
        appendU16(block, entry.tag, Endian::Big);
        appendU16(block, entry.type, Endian::Big);
        appendU32(block, entry.count, Endian::Big);
        if (entry.value.size() <= 4) {
            appendText(block, entry.value);
            block.resize(block.size() + 4 - entry.value.size(), 0);
            continue;
        }
        appendU32(block, valueAt + uint32_t(values.size()), Endian::Big);
        appendText(values, entry.value);
        if (values.size() % 2 != 0)
            values.push_back(0);
    }
    appendU32(block, 0, Endian::Big);
    block.insert(block.end(), values.begin(), values.end());
    return block;
}

bool holdsNothing(ByteView block, const Resolution& resolution)
{
    const auto directory = parseFirstDirectory(block);
    if (!directory || directory->nextDirectory != 0)
        return false;
    const std::vector<PlainEntry> defaults = defaultEntries(resolution);
    for (uint32_t i = 0; i < directory->entryCount; ++i) {
        const uint64_t at = directory->offset + 2 + uint64_t(i) * kEntrySize;
        const auto tag = readU16(block, at, directory->endian);
        const auto match =
            std::find_if(defaults.begin(), defaults.end(), [&](const PlainEntry& entry) { return entry.tag == tag; });
        if (match == defaults.end() || !holdsValue(block, at, directory->endian, *match))
            return false;
    }
    return true;
}

}
