// The chunk structure of a PNG file as far as comments are concerned, checked from signature to IEND.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>
#include <string_view>

namespace corvane::png {

struct Chunk {
    uint64_t offset = 0; // of the length field
    uint32_t dataLength = 0;
    std::string_view type;
    std::string_view keyword; // of a text chunk

    uint64_t dataOffset() const { return offset + 8; }
    uint64_t totalLength() const { return uint64_t(dataLength) + 12; }
};

struct Layout {
    std::vector<Chunk> comments;     // tEXt, zTXt and iTXt chunks whose keyword is "Comment"
    std::vector<Chunk> descriptions; // ... whose keyword is "Description"
    std::vector<Chunk> xmp;          // iTXt chunks whose keyword is "XML:com.adobe.xmp"
    std::vector<Chunk> rawProfiles;  // ... whose keyword starts with "Raw profile type "
    std::vector<Chunk> exif;         // eXIf chunks
    uint64_t firstImageData = 0;     // offset of the first IDAT chunk
};

inline constexpr std::string_view kXmpKeyword = "XML:com.adobe.xmp";
inline constexpr std::string_view kSignature{"\x89PNG\r\n\x1A\n", 8};

std::optional<Layout> parseLayout(ByteView file);

}
