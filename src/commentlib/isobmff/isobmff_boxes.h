// The boxes a HEIF or AVIF file is made of: a 32-bit big-endian size (1: a 64-bit size follows the type;
// 0: the box runs to the end of what holds it), a four-letter type, then the payload. A full box starts its
// payload with a version byte and 24 bits of flags. Also the big-endian fields of any width the item tables use.
#pragma once

#include "commentlib/bytes.h"

#include <optional>
#include <string_view>
#include <vector>

namespace corvane::isobmff {

struct Box {
    std::string_view type;
    uint64_t offset = 0;
    uint64_t headerSize = 8;
    uint64_t size = 0;  // header included
    bool toEnd = false; // its size field was 0

    uint64_t payload() const { return offset + headerSize; }
    uint64_t payloadSize() const { return size - headerSize; }
    uint64_t end() const { return offset + size; }
};

// The box whose header starts at `at`; nothing when the header or the size it states does not fit before `end`.
std::optional<Box> readBox(ByteView data, uint64_t at, uint64_t end);
// Every box from `from` to `end`, which they must fill exactly; nothing when they do not.
std::optional<std::vector<Box>> readBoxes(ByteView data, uint64_t from, uint64_t end);
// The same for the boxes inside another box, where a size of 0 ("to the end of the file") has no meaning: a
// box that claims it would swallow whatever an edit appends after it, so it counts as damage.
std::optional<std::vector<Box>> readChildBoxes(ByteView data, uint64_t from, uint64_t end);

// A box of `type` around `payload`, with a 64-bit size only where 32 bits cannot hold it or `large` asks for it.
Bytes boxOf(std::string_view type, ByteView payload, bool large = false);

// Big-endian unsigned fields of 0, 1, 2, 4 or 8 bytes, read in turn; a read past the end marks the reader failed.
class FieldReader {
public:
    FieldReader(ByteView data, uint64_t from, uint64_t end) : data_(data), at_(from), end_(end) {}

    uint64_t uint(unsigned bytes);
    // A NUL-terminated string, without its NUL.
    std::string_view text();
    uint64_t at() const { return at_; }
    bool failed() const { return failed_; }

private:
    ByteView data_;
    uint64_t at_;
    uint64_t end_;
    bool failed_ = false;
};

void appendUint(Bytes& out, uint64_t value, unsigned bytes);
// True when `value` can be written in a field of `bytes` bytes.
bool fitsWidth(uint64_t value, unsigned bytes);

}
