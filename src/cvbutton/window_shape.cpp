// Making the window outline of each face style and giving it to the window.
#include "cvbutton/window_shape.h"

#include "cvbutton/button_types.h"
#include "cvbutton/cvbutton.h"

#include <cmath>

namespace cvbutton {
namespace {

int whole(double pixels)
{
    return static_cast<int>(std::nearbyint(pixels));
}

} // namespace

// The corners are cut unevenly on purpose: the faces are drawn with those very corners.
host::Region windowShapeFor(int style, double scaleWidth, double scaleHeight)
{
    const int W = whole(scaleWidth);
    const int H = whole(scaleHeight);
    switch (style) {
    case StyleRoundedGradient:
    case StyleGlow:
        return host::Region::polygon({{0, 1}, {1, 0}, {W - 1, 0}, {W, 1}, {W, H - 2}, {W - 2, H}, {2, H}, {0, H - 2}});
    case StyleShadowed:
    case StyleGlass:
        return host::Region::polygon({{0, 2}, {2, 0}, {W - 3, 0}, {W, 3}, {W, H - 3}, {W - 3, H}, {4, H}, {0, H - 4}});
    case StyleSkinned:
        return host::Region::roundRectangle(0, 0, whole(scaleWidth + 1), whole(scaleHeight + 1), 18, 18);
    default:
        return host::Region::rectangle(0, 0, W, H);
    }
}

// The window owns the region from here on; the one it had before is dropped with it.
void cvButton::ApplyWindowShape()
{
    runtime_.WindowRegion = windowShapeFor(Style_, host_.scaleWidth(), host_.scaleHeight());
    host_.setWindowRegion(runtime_.WindowRegion);
}

} // namespace cvbutton
