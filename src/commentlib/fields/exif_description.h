// The ImageDescription tag (0x010E) in the first directory of an EXIF block: the TIFF-structured bytes that
// follow "Exif\0\0" in a JPEG's APP1 segment. Offsets inside the block count from its first byte.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>
#include <string_view>

namespace corvane::exif {

struct FirstDirectory {
    Endian endian = Endian::Big;
    uint32_t offset = 0; // of the entry count
    uint16_t entryCount = 0;
    uint32_t nextDirectory = 0;
    std::optional<uint32_t> descriptionEntry; // offset of the 12-byte entry
    SourceRange descriptionValue;             // its bytes, inside the entry when they fit in four

    uint64_t end() const { return uint64_t(offset) + 2 + uint64_t(entryCount) * 12 + 4; }
};

std::optional<FirstDirectory> parseFirstDirectory(ByteView block);
// The description as stored (NULs and all), empty when there is none.
std::string_view descriptionOf(ByteView block, const FirstDirectory& directory);

// The picture's resolution as a first directory states it: ResolutionUnit 1 (none, an aspect ratio only),
// 2 (per inch) or 3 (per centimetre).
struct Resolution {
    uint32_t x = 72;
    uint32_t y = 72;
    uint16_t unit = 2;
};

// No EXIF block outgrows what one JPEG segment holds, wherever it is kept, so every edit can take it again.
inline constexpr uint64_t kMaxBlock = 65535;

// A block holding only a first directory with the description and the few tags every such directory needs.
Bytes newBlock(std::string_view text, const Resolution& resolution);
// True when the block holds no more than what a new block with this resolution holds besides a description:
// nothing worth keeping.
bool holdsNothing(ByteView block, const Resolution& resolution);

}
