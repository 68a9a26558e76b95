// Where a BMP file's bitmap ends and whether our comment trailer follows it.
#pragma once

#include "edit_plan.h"

#include <optional>
#include <string_view>

namespace corvane::bmp {

inline constexpr std::string_view kTrailerMagic{"\xC7" "CORVCMT", 8};
inline constexpr uint64_t kTrailerHeader = 12;

struct Layout {
    uint64_t bitmapEnd = 0;
    std::optional<SourceRange> trailer;  // the whole trailer, header included
    // Foreign bytes after our trailer that would pass for (part of) a trailer once ours is removed.
    bool foreignBytesMimicTrailer = false;
};

std::optional<Layout> parseLayout(ByteView file);

}
