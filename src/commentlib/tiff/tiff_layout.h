// The directory structure of a TIFF file: every IFD of the chain is checked (entries, out-of-line values,
// strip and tile data inside the file, no loops), and the first IFD is kept in detail for rewriting.
#pragma once

#include "commentlib/edit_plan.h"

#include <functional>
#include <optional>

namespace corvane::tiff {

inline constexpr uint16_t kImageDescription = 270;
inline constexpr uint16_t kAscii = 2;
inline constexpr uint64_t kEntrySize = 12;

struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint64_t offset = 0;             // of the 12-byte entry itself
    SourceRange value;               // inside the entry when it fits in four bytes
    std::optional<uint32_t> pointer; // a single offset-like value, which may point at more data
};

struct Layout {
    Endian endian = Endian::Little;
    uint64_t firstIfd = 0;
    uint64_t firstIfdEnd = 0; // after its next-IFD field
    uint32_t nextIfd = 0;
    std::vector<Entry> firstIfdEntries;
    // Every byte range some part of the file refers to, apart from the first IFD and its description: the
    // other directories of the chain and those tags point at, values, image data and thumbnails. A damaged
    // EXIF block's ranges may reach past its end.
    std::vector<SourceRange> referenced;
    uint64_t longestLaterDirectory = 0; // in bytes, of the directories after the first in the chain

    const Entry* description() const;
};

// True when some byte of `range` lies in one of `ranges`.
bool overlapsAny(const std::vector<SourceRange>& ranges, const SourceRange& range);
// Where the last of `ranges` ends: new bytes go no earlier than the end of what is referred to.
uint64_t endOf(const std::vector<SourceRange>& ranges);

std::optional<Layout> parseLayout(ByteView file);
// The same over an EXIF block, whose values may point outside it: such a value is noted as referred to instead
// of failing the parse. Only the first directory must be readable.
std::optional<Layout> parseExifLayout(ByteView block);

// The same over a file of which only some ranges are in memory (`held` tells which). When the parse stops at
// a range that is not, it says which in `missing`.
using HeldRanges = std::function<bool(uint64_t offset, uint64_t length)>;
std::optional<Layout> parseLayout(ByteView file, const HeldRanges& held, std::optional<SourceRange>& missing);

}
