// Surfaces and pixel sets for tests that look at what was drawn.
#pragma once

#include "cvbutton/host/surface.h"

#include <set>
#include <utility>

// Surfaces and pixel sets for tests that look at what was drawn.
namespace surface_pixels {

using Pixels = std::set<std::pair<int, int>>;

inline constexpr platform::Colorref kPaper = 0xFFFFFF;

inline cvbutton::host::Surface paper(int width, int height)
{
    cvbutton::host::Surface surface(width, height);
    surface.setBackgroundColor(kPaper);
    surface.clear();
    return surface;
}

// Where the surface shows exactly that colour.
inline Pixels pixelsOf(const cvbutton::host::Surface& surface, platform::Colorref color)
{
    Pixels pixels;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.pixel(x, y) == color)
                pixels.insert({x, y});
    return pixels;
}

} // namespace surface_pixels
