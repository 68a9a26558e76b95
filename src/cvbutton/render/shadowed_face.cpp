// The shadowed face style: a gradient body with a light bevel and a shadow below.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/face_drawing.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"

namespace cvbutton::render {
namespace {

Colorref faceColor(const FaceView& view, int DrawState, Colorref base)
{
    if (DrawState == StateNormal)
        return base;
    return view.UseCustomColors ? view.HighlightColor : ShiftColor(view.ButtonFace, 15);
}

Colorref outlineColor(const FaceView& view, int DrawState, const Shades& base)
{
    return DrawState != StatePressed && view.HasFocus ? base(-96) : base(-48);
}

// A pressed face turns the gradient over and moves the light bevel to the bottom.
void DrawBodyAndBevel(Surface& hDC, int W, int H, bool pressed, const Shades& face)
{
    const Colorref light = face(96);
    const int tilt = pressed ? -15 : 15;
    DrawVGradientDC(hDC, face(tilt), face(-tilt), 2, 2, W - 3, H - 6);
    DrawLineDC(hDC, 2, 1, W - 3, 1, pressed ? face(0) : light);
    DrawLineDC(hDC, 1, 2, 1, H - 3, pressed ? face(0) : light);
    DrawLineDC(hDC, 2, H - 3, W - 2, H - 3, pressed ? light : face(0));
}

void DrawOutline(Surface& hDC, int W, int H, Colorref outline)
{
    DrawLineDC(hDC, 2, 0, W - 3, 0, outline);
    DrawLineDC(hDC, 0, 2, 0, H - 3, outline);
    DrawLineDC(hDC, 2, H - 2, W - 3, H - 2, outline);
    DrawLineDC(hDC, W - 2, 2, W - 2, H - 3, outline);
    SetPixels(hDC, {{1, 1}, {1, H - 3}, {W - 3, 1}, {W - 3, H - 3}}, outline);
}

void DrawDropShadow(Surface& hDC, int W, int H, Colorref outline)
{
    const Shades shadow(ShiftColor(outline, 21));
    DrawLineDC(hDC, 3, H - 1, W - 4, H - 1, shadow(0));
    DrawLineDC(hDC, W - 1, 3, W - 1, H - 4, shadow(0));
    DrawLineDC(hDC, W - 4, H - 1, W, H - 5, shadow(0));
    DrawLineDC(hDC, W - 3, H - 1, W, H - 4, shadow(15));
}

} // namespace

void DrawShadowedFace(Surface& hDC, const FaceView& view, int& DrawState)
{
    const Shades base(view.UseCustomColors ? view.BackColor : view.ButtonFace);
    const Shades face(faceColor(view, DrawState, base(0)));
    const Colorref outline = outlineColor(view, DrawState, base);
    SetBackground(hDC, face(0));
    DrawBodyAndBevel(hDC, view.W, view.H, DrawState == StatePressed, face);
    DrawOutline(hDC, view.W, view.H, outline);
    DrawDropShadow(hDC, view.W, view.H, outline);
}

} // namespace cvbutton::render
