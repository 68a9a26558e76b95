// The ImageDescription tag (0x010E) in the first directory of an EXIF block: the TIFF-structured bytes that
// follow "Exif\0\0" in a JPEG's APP1 segment. Offsets inside the block count from its first byte.
#pragma once

#include "edit_plan.h"

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

}
