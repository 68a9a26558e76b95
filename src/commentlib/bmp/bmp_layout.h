// Where a BMP file's bitmap ends and whether our comment trailer follows it.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>
#include <string_view>

namespace corvane::bmp {

// The trailer we write stands inside the size the file header declares, so strict readers accept the file:
//   the UTF-8 text, its length (4 bytes), the bitmap's own declared size (4 bytes), 8 bytes magic,
// ending exactly at the declared size. Little-endian, like the rest of the format.
inline constexpr std::string_view kCountedTrailerMagic{"\xC7"
                                                       "CORVCM2",
                                                       8};
inline constexpr uint64_t kCountedTrailerFooter = 16;

// Files written before then carry the trailer after the declared size: 8 bytes magic, the text length
// (4 bytes), the text. They are still read, and rewritten in the counted form.
inline constexpr std::string_view kTrailerMagic{"\xC7"
                                                "CORVCMT",
                                                8};
inline constexpr uint64_t kTrailerHeader = 12;

inline constexpr uint64_t kDeclaredSizeOffset = 2;

struct Layout {
    uint64_t bitmapEnd = 0;             // the size the header declares without our trailer
    std::optional<SourceRange> trailer; // the whole trailer
    std::optional<SourceRange> text;
    bool trailerCounted = false; // in the declared size, so erasing gives that size back
    // Foreign bytes after our trailer that would pass for (part of) a trailer once ours is removed.
    bool foreignBytesMimicTrailer = false;
};

std::optional<Layout> parseLayout(ByteView file);

}
