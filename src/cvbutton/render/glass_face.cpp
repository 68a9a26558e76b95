// The glass face style: a glossy upper half over a deeper lower half, in the state's colours.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/face_drawing.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"

#include <cmath>

namespace cvbutton::render {
namespace {

Colorref faceColor(const FaceView& view, int DrawState)
{
    const Colorref base = view.UseCustomColors ? view.BackColor : view.ButtonFace;
    const Colorref hotBase = view.UseCustomColors ? view.HighlightColor : view.ButtonFace;
    switch (DrawState) {
    case StateNormal:
        return ShiftColor(base, -15);
    case StateHot:
        return ShiftColor(hotBase, 1);
    case StatePressed:
        return ShiftColor(hotBase, 24);
    default:
        return ShiftColor(base, 15);
    }
}

// Rows measured from the middle of the face, formed in single precision and rounded to even, so
// that odd heights put the half-pixel where the face was designed to have it.
class MiddleRows {
public:
    explicit MiddleRows(int H) : half_(static_cast<float>(H) / 2.0f) {}
    int operator()(int offset) const { return static_cast<int>(std::nearbyint(half_ + static_cast<float>(offset))); }

private:
    float half_;
};

void DrawLeftSide(Surface& hDC, int H, const Shades& S, const MiddleRows& mid)
{
    DrawVGradientDC(hDC, S(128), S(-128), 0, 0, 1, H - 4);
    DrawVGradientDC(hDC, S(0), S(-37), 2, 4, 3, mid(-7));
    DrawVGradientDC(hDC, S(0), S(-53), 3, 3, 4, mid(-7));
    DrawVGradientDC(hDC, S(0), S(-37), 4, 2, 5, mid(-7));
    DrawVGradientDC(hDC, S(37), S(5), 5, 2, 6, mid(-4));
    DrawVGradientDC(hDC, S(-37), S(-32), 2, mid(-2), 3, mid(-5));
    DrawVGradientDC(hDC, S(-53), S(-32), 3, mid(-3), 4, mid(-3));
    DrawVGradientDC(hDC, S(-37), S(-32), 4, mid(-4), 5, mid(-1));
    DrawVGradientDC(hDC, S(5), S(-5), 5, mid(-4), 6, mid(-3));
    DrawHGradient(hDC, S(-53), S(-32), 5, H - 5, 12, H - 6);
    DrawHGradient(hDC, S(-56), S(-32), 4, H - 6, 7, H - 7);
    DrawHGradient(hDC, S(-37), S(-32), 3, H - 7, 5, H - 8);
}

void DrawRightSide(Surface& hDC, int W, int H, const Shades& S, const MiddleRows& mid)
{
    DrawVGradientDC(hDC, S(128), S(-128), W - 2, 0, W - 1, H - 4);
    DrawVGradientDC(hDC, S(128), S(-48), W - 1, 0, W, mid(0));
    DrawVGradientDC(hDC, S(-64), S(-8), W - 1, mid(0), W, mid(-4));
    DrawVGradientDC(hDC, S(0), S(-37), W - 4, 4, W - 3, mid(-5));
    DrawVGradientDC(hDC, S(0), S(-48), W - 5, 3, W - 4, mid(-4));
    DrawVGradientDC(hDC, S(0), S(-37), W - 6, 2, W - 5, mid(-3));
    DrawVGradientDC(hDC, S(37), S(5), W - 7, 2, W - 6, mid(-4));
    DrawVGradientDC(hDC, S(-37), S(-21), W - 4, mid(0), W - 3, mid(-5));
    DrawVGradientDC(hDC, S(-48), S(-37), W - 5, mid(0), W - 4, mid(-5));
    DrawVGradientDC(hDC, S(-37), S(-53), W - 6, mid(0), W - 5, mid(-4));
    DrawVGradientDC(hDC, S(-5), S(-37), W - 7, mid(0), W - 6, mid(-4));
    DrawHGradient(hDC, S(-32), S(-53), W - 15, H - 4, W - 7, H - 3);
}

void DrawTopGlint(Surface& hDC, int W, const Shades& S)
{
    DrawLineDC(hDC, 3, 0, W - 3, 0, S(48));
    DrawLineDC(hDC, 1, 1, W - 1, 1, S(48));
    DrawLineDC(hDC, 5, 1, W - 5, 1, S(0));
    DrawHGradient(hDC, S(32), S(0), W - 11, 2, W - 4, 3);
    DrawHGradient(hDC, S(32), S(0), W - 10, 3, W - 5, 4);
    DrawHGradient(hDC, S(32), S(0), W - 9, 4, W - 6, 5);
    DrawLineDC(hDC, 6, 3, 7, 3, S(128));
}

void DrawBottomEdge(Surface& hDC, int W, int H, const Shades& S)
{
    DrawLineDC(hDC, 3, H - 1, W - 3, H - 1, S(-16));
    DrawLineDC(hDC, 2, H - 2, W - 3, H - 2, S(-128));
    DrawLineDC(hDC, 7, H - 3, W - 7, H - 3, S(0));
    SetPixels(hDC, {{1, H - 3}, {W - 3, H - 3}}, S(-112));
    DrawLineDC(hDC, W - 4, H - 1, W - 1, H - 4, S(-21));
}

} // namespace

void DrawGlassFace(Surface& hDC, const FaceView& view, int& DrawState)
{
    const int W = view.W;
    const int H = view.H;
    const Shades S(faceColor(view, DrawState));
    const MiddleRows mid(H);
    SetBackground(hDC, S(0));
    DrawVGradientDC(hDC, S(32), S(-32), 5, 2, W - 5, H - 6);
    DrawLeftSide(hDC, H, S, mid);
    DrawRightSide(hDC, W, H, S, mid);
    DrawTopGlint(hDC, W, S);
    DrawBottomEdge(hDC, W, H, S);
}

} // namespace cvbutton::render
