// The glow face style: a soft outline that glows when the pointer is over the button or it is marked.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/face_drawing.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"

#include <optional>

namespace cvbutton::render {
namespace {

std::optional<int> faceShift(int DrawState)
{
    switch (DrawState) {
    case StateNormal:
    case StateDefaulted:
        return 8;
    case StateHot:
        return 24;
    case StatePressed:
        return -9;
    case StateDisabled:
        return 18;
    default:
        return std::nullopt;
    }
}

void DrawOutline(Surface& hDC, int W, int H, Colorref outline, Colorref cornerTint)
{
    DrawLineDC(hDC, 2, 0, W - 2, 0, outline);
    DrawLineDC(hDC, 0, 2, 0, H - 2, outline);
    DrawLineDC(hDC, 2, H - 1, W - 2, H - 1, outline);
    DrawLineDC(hDC, W - 1, 0, W - 1, H, outline);
    SetPixels(hDC, {{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, outline);
    SetPixels(hDC, {{1, 0}, {W - 2, 0}, {0, 1}, {0, H - 2}, {1, H - 1}, {W - 2, H - 1}, {W - 1, 1}, {W - 1, H - 2}},
              cornerTint);
}

void DrawHighlightBands(Surface& hDC, int W, int H, const Shades& hl)
{
    DrawLineDC(hDC, 2, 1, W - 2, 1, hl(21));
    DrawLineDC(hDC, 1, 2, W - 1, 2, hl(21));
    DrawLineDC(hDC, 1, H - 3, W - 1, H - 3, hl(-5));
    DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, hl(-21));
}

// The pressed face keeps the background the pipeline cleared with and darkens toward the top.
void DrawPressedFace(Surface& hDC, int W, int H, const Shades& base, const Shades& face)
{
    DrawVGradientDC(hDC, face(-15), face(0), 1, 1, W - 2, H - 2);
    DrawVGradientDC(hDC, face(-21), face(21), W - 2, 2, W - 3, H - 5);
    DrawVGradientDC(hDC, face(-32), face(-5), 1, 2, 2, H - 5);
    DrawOutline(hDC, W, H, face(-96), base(-21));
    DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, base(8));
    DrawLineDC(hDC, 2, 1, W - 2, 1, base(-21));
}

void DrawRaisedFace(Surface& hDC, const FaceView& view, int DrawState, const Shades& base, const Shades& face)
{
    const int W = view.W;
    const int H = view.H;
    SetBackground(hDC, face(0));
    const int spread = DrawState == StateHot ? 16 : 15;
    DrawVGradientDC(hDC, face(spread), face(-spread), 1, 1, W - 2, H - 3);
    DrawVGradientDC(hDC, face(21), face(-21), 1, 2, 2, H - 5);
    DrawVGradientDC(hDC, face(-5), face(-32), W - 2, 2, W - 3, H - 5);
    DrawOutline(hDC, W, H, face(-96), base(DrawState == StateDisabled ? 5 : -21));
    if (DrawState != StateHot) {
        DrawLineDC(hDC, 2, 1, W - 2, 1, base(21));
        DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, base(-37));
    }
    const bool marked = DrawState == StateDefaulted || (DrawState == StateNormal && view.HasFocus);
    if (DrawState == StateHot || marked)
        DrawHighlightBands(hDC, W, H, Shades(view.UseCustomColors ? view.HighlightColor : view.SystemHighlight));
}

} // namespace

void DrawGlowFace(Surface& hDC, const FaceView& view, int& DrawState)
{
    const std::optional<int> shift = faceShift(DrawState);
    if (!shift)
        return;
    const Shades base(view.UseCustomColors ? view.BackColor : view.ButtonFace);
    const Shades face(base(*shift));
    if (DrawState == StatePressed)
        DrawPressedFace(hDC, view.W, view.H, base, face);
    else
        DrawRaisedFace(hDC, view, DrawState, base, face);
}

} // namespace cvbutton::render
