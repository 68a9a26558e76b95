// Box headers are checked against what holds them before anything inside is read, and a reader of fields
// never reaches past the end of its box.
#include "commentlib/isobmff/isobmff_boxes.h"

#include <algorithm>

namespace corvane::isobmff {

std::optional<Box> readBox(ByteView data, uint64_t at, uint64_t end)
{
    if (end > data.size() || at > end || end - at < 8)
        return std::nullopt;
    Box box{asText(data.subspan(at + 4, 4)), at, 8, *readU32(data, at, Endian::Big)};
    if (box.size == 1) {
        if (end - at < 16)
            return std::nullopt;
        box.headerSize = 16;
        box.size = uint64_t(*readU32(data, at + 8, Endian::Big)) << 32 | *readU32(data, at + 12, Endian::Big);
    } else if (box.size == 0) {
        box.toEnd = true;
        box.size = end - at;
    }
    if (box.size < box.headerSize || box.size > end - at)
        return std::nullopt;
    return box;
}

std::optional<std::vector<Box>> readBoxes(ByteView data, uint64_t from, uint64_t end)
{
    std::vector<Box> boxes;
    while (from < end) {
        const auto box = readBox(data, from, end);
        if (!box)
            return std::nullopt;
        boxes.push_back(*box);
        from = box->end();
    }
    return boxes;
}

std::optional<std::vector<Box>> readChildBoxes(ByteView data, uint64_t from, uint64_t end)
{
    auto boxes = readBoxes(data, from, end);
    if (boxes && std::any_of(boxes->begin(), boxes->end(), [](const Box& box) { return box.toEnd; }))
        return std::nullopt;
    return boxes;
}

Bytes boxOf(std::string_view type, ByteView payload, bool large)
{
    Bytes box;
    const uint64_t size = payload.size() + 8;
    if (large || !fitsWidth(size, 4)) {
        appendUint(box, 1, 4);
        appendText(box, type);
        appendUint(box, size + 8, 8);
    } else {
        appendUint(box, size, 4);
        appendText(box, type);
    }
    appendBytes(box, payload.data(), payload.size());
    return box;
}

uint64_t FieldReader::uint(unsigned bytes)
{
    if (failed_ || end_ - at_ < bytes || !fits(data_.size(), at_, bytes)) {
        failed_ = true;
        return 0;
    }
    uint64_t value = 0;
    for (unsigned i = 0; i < bytes; ++i)
        value = value << 8 | data_[at_ + i];
    at_ += bytes;
    return value;
}

std::string_view FieldReader::text()
{
    const uint64_t from = at_;
    while (!failed_ && uint(1) != 0) {}
    return failed_ ? std::string_view{} : asText(data_.subspan(from, at_ - from - 1));
}

void appendUint(Bytes& out, uint64_t value, unsigned bytes)
{
    for (unsigned i = bytes; i-- > 0;)
        out.push_back(uint8_t(value >> (8 * i)));
}

bool fitsWidth(uint64_t value, unsigned bytes)
{
    return bytes >= 8 || value >> (8 * bytes) == 0;
}

}
