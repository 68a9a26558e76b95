// Drawing the etched frame: two offset outlines with their corners and crossings mixed.
#include "cvbutton/render/etched_frame.h"

#include "cvbutton/render/checked_math.h"
#include "cvbutton/render/colors.h"
#include "cvbutton/render/lines_boxes.h"

namespace cvbutton::render {

// Sums are formed step by step; one that overflows ends the frame where it stands.
void DrawEtchedFrame(host::Surface& surface, int X, int Y, int Width, int Height, Colorref Color1, Colorref Color2,
                     Colorref CornerColor)
{
    const std::optional<int> innerWidth = checkedSub(Width, 1);
    const std::optional<int> innerHeight = checkedSub(Height, 1);
    if (!innerWidth || !innerHeight)
        return;
    DrawBox(surface, X, Y, *innerWidth, *innerHeight, Color1);
    const std::optional<int> nextX = checkedAdd(X, 1);
    const std::optional<int> nextY = checkedAdd(Y, 1);
    const std::optional<int> bottom = checkedAdd(Y, Height);
    const std::optional<int> right = checkedAdd(X, Width);
    if (!nextX || !nextY)
        return;
    DrawBox(surface, *nextX, *nextY, *innerWidth, *innerHeight, Color2);
    if (!bottom || !right)
        return;
    surface.setPixel(X, *bottom, CornerColor);
    surface.setPixel(*right, Y, CornerColor);
    const Colorref crossing = MixColors(Color2, Color1);
    const std::optional<int> crossingY = checkedSub(*bottom, 1);
    const std::optional<int> crossingX = checkedSub(*right, 1);
    if (crossingY && crossingX) {
        surface.setPixel(*nextX, *crossingY, crossing);
        surface.setPixel(*crossingX, *nextY, crossing);
    }
}

} // namespace cvbutton::render
