// Small drawing helpers the drawn faces share: colours written as #RRGGBB and a surface's background.
#pragma once

#include "cvbutton/host/surface.h"
#include "cvbutton/render/colors.h"

#include <initializer_list>
#include <utility>

namespace cvbutton::render {

using host::Surface;
using platform::Colorref;

// A colour written the way designers write it, #RRGGBB, turned into the control's 0x00BBGGRR.
constexpr Colorref fromRrggbb(unsigned rrggbb)
{
    return platform::rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
                         static_cast<int>(rrggbb & 0xFF));
}

// Setting a surface's background colour repaints the whole surface in it.
inline void SetBackground(Surface& hDC, Colorref color)
{
    hDC.setBackgroundColor(color);
    hDC.clear();
}

using PixelList = std::initializer_list<std::pair<int, int>>;

inline void SetPixels(Surface& hDC, PixelList pixels, Colorref color)
{
    for (const auto& [x, y] : pixels)
        hDC.setPixel(x, y, color);
}

// The shades of one colour a face is made of: the colour lightened or darkened by a fixed step.
class Shades {
public:
    explicit Shades(Colorref base) : base_(base) {}
    Colorref operator()(int delta) const { return ShiftColor(base_, delta); }

private:
    Colorref base_;
};

} // namespace cvbutton::render
