// Drawing lines, outlines and filled boxes on the surface, stopping where a sum would overflow.
#include "cvbutton/render/lines_boxes.h"

#include "cvbutton/render/checked_math.h"

namespace cvbutton::render {
namespace {

// Selects a pen of the given colour for as long as it lives, then puts the previous pen back.
class PenSelection {
public:
    PenSelection(Surface& surface, Colorref color) : surface_(surface), previous_(surface.selectPen({color})) {}
    ~PenSelection() { surface_.selectPen(previous_); }
    PenSelection(const PenSelection&) = delete;
    PenSelection& operator=(const PenSelection&) = delete;

private:
    Surface& surface_;
    host::Pen previous_;
};

} // namespace

void DrawLineDC(Surface& hDC, int X1, int Y1, int X2, int Y2, Colorref Color)
{
    const PenSelection pen(hDC, Color);
    hDC.moveTo(X1, Y1);
    hDC.lineTo(X2, Y2);
}

void FillRectColor(Surface& hDC, const host::Rect& Rect, Colorref Color)
{
    hDC.fillRect(Rect, Color);
}

void FillBox(Surface& hDC, int X, int Y, int Width, int Height, Colorref Color)
{
    const std::optional<int> right = checkedAdd(X, Width);
    const std::optional<int> bottom = checkedAdd(Y, Height);
    if (right && bottom)
        hDC.fillRect({X, Y, *right, *bottom}, Color);
}

// The path closes on its start point, so each corner is drawn by the side that leaves it. Sums are
// formed as the path goes: one that overflows ends the box where it stands.
void DrawBox(Surface& hDC, int X, int Y, int Width, int Height, Colorref Color)
{
    const PenSelection pen(hDC, Color);
    hDC.moveTo(X, Y);
    const std::optional<int> right = checkedAdd(X, Width);
    if (!right)
        return;
    hDC.lineTo(*right, Y);
    const std::optional<int> bottom = checkedAdd(Y, Height);
    if (!bottom)
        return;
    hDC.lineTo(*right, *bottom);
    hDC.lineTo(X, *bottom);
    hDC.lineTo(X, Y);
}

void DrawEdgeBox(Surface& hDC, float X, float Y, float Width, float Height, unsigned Edge, unsigned Flags,
                 const platform::SystemColors& Colors)
{
    const std::optional<int> left = roundToInt(X);
    const std::optional<int> top = roundToInt(Y);
    const std::optional<int> right = roundToInt(X + Width);
    const std::optional<int> bottom = roundToInt(Y + Height);
    if (left && top && right && bottom)
        hDC.drawEdge({*left, *top, *right, *bottom}, Edge, Flags, Colors);
}

} // namespace cvbutton::render
