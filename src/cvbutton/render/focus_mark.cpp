#include "cvbutton/render/focus_mark.h"

#include "cvbutton/button_types.h"
#include "cvbutton/render/face_drawing.h"

namespace cvbutton::render {
namespace {

// The face's own outline colour.
constexpr Colorref kDots = fromRrggbb(0x003C74);

// Every other pixel of the outline through columns Left to Right and rows Top to Bottom, on one
// checkerboard, so the pattern runs on unbroken round the corners.
void DrawDottedBox(Surface& hDC, int Left, int Top, int Right, int Bottom, Colorref Color)
{
    const auto dot = [&](int x, int y) {
        if ((x - Left + y - Top) % 2 == 0)
            hDC.setPixel(x, y, Color);
    };
    for (int x = Left; x <= Right; ++x) {
        dot(x, Top);
        dot(x, Bottom);
    }
    for (int y = Top + 1; y < Bottom; ++y) {
        dot(Left, y);
        dot(Right, y);
    }
}

} // namespace

void DrawFocusMark(Surface& hDC, const FaceView& view, int DrawState)
{
    if (view.HasFocus && view.ShowFocus && DrawState != StateDisabled)
        DrawDottedBox(hDC, 3, 3, view.W - 4, view.H - 4, kDots);
}

} // namespace cvbutton::render
