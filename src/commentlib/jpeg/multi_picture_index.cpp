// Rewriting a JPEG's multi-picture index after an edit: later pictures' starts move by the growth of the edits past the
// index, and the first picture's length by the growth of all. An unreadable index is kept only while nothing after it
// moves.
#include "commentlib/jpeg/multi_picture_index.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvane::jpeg {

namespace {

constexpr uint64_t kHeaderStart = 8; // marker, length and "MPF\0" come before the index's own header
constexpr uint16_t kPictureListTag = 0xB002;
constexpr uint16_t kUndefinedType = 7;
constexpr uint64_t kEntrySize = 16; // flags, length, start, two dependent picture numbers
constexpr uint64_t kLengthAt = 4, kStartAt = 8;

struct Growth {
    int64_t firstPicture = 0; // by every edit
    int64_t afterIndex = 0;   // by the edits past the index, which move the later pictures
};

Growth growthOf(const EditPlan& plan, const SourceRange& index)
{
    Growth growth;
    for (const Replacement& replacement : plan.replacements()) {
        const int64_t change = int64_t(replacement.inserted.size()) - int64_t(replacement.removedLength);
        growth.firstPicture += change;
        if (replacement.offset > index.offset)
            growth.afterIndex += change;
    }
    return growth;
}

void storeU32(Bytes& bytes, uint64_t offset, uint32_t value, Endian endian)
{
    Bytes stored;
    appendU32(stored, value, endian);
    std::copy(stored.begin(), stored.end(), bytes.begin() + std::ptrdiff_t(offset));
}

bool shifted(uint32_t value, int64_t by, uint32_t& out)
{
    const int64_t result = int64_t(value) + by;
    if (result <= 0 || result > int64_t(UINT32_MAX))
        return false;
    out = uint32_t(result);
    return true;
}

// The offset of the picture list within `bytes`, with its byte count; nothing when the index is unreadable.
std::optional<SourceRange> pictureList(ByteView bytes, Endian& endian)
{
    const ByteView header = bytes.subspan(std::min<size_t>(kHeaderStart, bytes.size()));
    if (startsWith(header, std::string_view("II*\0", 4)))
        endian = Endian::Little;
    else if (startsWith(header, std::string_view("MM\0*", 4)))
        endian = Endian::Big;
    else
        return std::nullopt;
    const auto directory = readU32(header, 4, endian);
    const auto count = directory ? readU16(header, *directory, endian) : std::nullopt;
    for (uint16_t i = 0; count && i < *count; ++i) {
        const uint64_t entry = uint64_t(*directory) + 2 + uint64_t(i) * 12;
        const auto tag = readU16(header, entry, endian);
        const auto type = readU16(header, entry + 2, endian);
        const auto length = readU32(header, entry + 4, endian);
        const auto at = readU32(header, entry + 8, endian);
        if (!tag || !type || !length || !at)
            return std::nullopt;
        if (*tag != kPictureListTag)
            continue;
        if (*type != kUndefinedType || *length % kEntrySize != 0 || *length <= 4 || !fits(header.size(), *at, *length))
            return std::nullopt;
        return SourceRange{kHeaderStart + *at, *length};
    }
    return std::nullopt;
}

// The index with the first picture's length and the later pictures' starts moved by `growth`.
std::optional<Bytes> rewritten(const Bytes& original, const Growth& growth)
{
    Endian endian = Endian::Big;
    const auto list = pictureList(original, endian);
    if (!list)
        return std::nullopt;
    Bytes bytes = original;
    for (uint64_t entry = list->offset; entry < list->offset + list->length; entry += kEntrySize) {
        const uint32_t start = *readU32(bytes, entry + kStartAt, endian);
        uint32_t value = 0;
        if (start == 0) {
            // The first picture's length only informs; one that cannot have been right stays as it was.
            if (shifted(*readU32(bytes, entry + kLengthAt, endian), growth.firstPicture, value))
                storeU32(bytes, entry + kLengthAt, value, endian);
            continue;
        }
        if (!shifted(start, growth.afterIndex, value))
            return std::nullopt;
        storeU32(bytes, entry + kStartAt, value, endian);
    }
    return bytes;
}

}

bool isMultiPictureIndex(uint8_t marker, ByteView payload)
{
    return marker == 0xE2 && payload.size() >= 4 && std::memcmp(payload.data(), "MPF\0", 4) == 0;
}

std::optional<EditPlan> followedByIndex(const EditPlan& plan, const MultiPictureIndex& index)
{
    const Growth growth = growthOf(plan, index.segment);
    if (growth.firstPicture == 0 && growth.afterIndex == 0)
        return plan;
    const std::optional<Bytes> bytes = rewritten(index.bytes, growth);
    // An index we cannot read is left as it is while the later pictures stay where it says they are.
    if (!bytes)
        return growth.afterIndex == 0 ? std::optional<EditPlan>(plan) : std::nullopt;
    EditPlan result(plan.originalSize());
    bool placed = false;
    for (const Replacement& replacement : plan.replacements()) {
        if (!placed && replacement.offset > index.segment.offset) {
            result.replace(index.segment.offset, index.segment.length, *bytes);
            placed = true;
        }
        result.replace(replacement.offset, replacement.removedLength, replacement.inserted);
    }
    if (!placed)
        result.replace(index.segment.offset, index.segment.length, *bytes);
    return result;
}

}
