// The skinned face's corner tiles and band colours; the build works the tables out from the colours.
#pragma once

#include "platform/system_colors.h"

#include <array>
#include <cstdint>
#include <span>

namespace cvbutton::render {

using platform::Colorref;

// One pixel of a corner tile. Left tiles count dx from column 0, right tiles from column W-17;
// top tiles count dy from row 0, bottom tiles from row H-12.
struct SkinTilePixel {
    std::int8_t dx;
    std::int8_t dy;
    Colorref color;
};

// One colouring of the skinned face. The bands vary across and not along, so the face stretches
// to any size; the tiles round the corners and join the bands.
struct SkinPalette {
    Colorref centre;
    std::array<Colorref, 18> left;
    std::array<Colorref, 17> right;
    std::array<Colorref, 12> top;
    std::array<Colorref, 12> bottom;
    std::span<const SkinTilePixel> topLeft;
    std::span<const SkinTilePixel> topRight;
    std::span<const SkinTilePixel> bottomLeft;
    std::span<const SkinTilePixel> bottomRight;
};

// Made at build time by scripts/skin-tiles.
extern const SkinPalette SkinIdle;
extern const SkinPalette SkinHot;
extern const SkinPalette SkinPressed;

} // namespace cvbutton::render
