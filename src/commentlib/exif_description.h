// The ImageDescription tag (0x010E) in the first directory of an EXIF block: the TIFF-structured bytes that
// follow "Exif\0\0" in a JPEG's APP1 segment. Offsets inside the block count from its first byte.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>
#include <string_view>

namespace corvane::exif {

struct FirstDirectory {
    Endian endian = Endian::Big;
    uint32_t offset = 0;       // of the entry count
    uint16_t entryCount = 0;
    uint32_t nextDirectory = 0;
    std::optional<uint32_t> descriptionEntry;  // offset of the 12-byte entry
    SourceRange descriptionValue;              // its bytes, inside the entry when they fit in four

    uint64_t end() const { return uint64_t(offset) + 2 + uint64_t(entryCount) * 12 + 4; }
};

std::optional<FirstDirectory> parseFirstDirectory(ByteView block);
// The description as stored (NULs and all), empty when there is none.
std::string_view descriptionOf(ByteView block, const FirstDirectory& directory);

// The block with `text` as its description (an empty text removes the tag). Every other byte keeps its offset:
// a value that fits stays where it is, a longer one goes to the end of the block, and a directory that grows
// is written anew at the end with the header pointing to it. Bytes no longer used are blanked.
Bytes withDescription(ByteView block, const FirstDirectory& directory, std::string_view text);
// A block holding only a first directory with the description and the few tags every such directory needs.
Bytes newBlock(std::string_view text);
// True when the block holds no more than a new block's tags besides a description: nothing worth keeping.
bool holdsNothing(ByteView block);

}
