// The rounded gradient face in the control's own colours: bands and sides worked out from its back and
// highlight colours.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"
#include "cvbutton/render/rounded_gradient_parts.h"

namespace cvbutton::render {
namespace {

void DrawPressedFace(Surface& hDC, int W, int H, const Shades& c)
{
    DrawVGradientDC(hDC, c(-37), c(-21), 2, 1, W - 1, 4);
    DrawVGradientDC(hDC, c(-21), c(-5), 2, 4, W - 1, H - 8);
    DrawVGradientDC(hDC, c(-5), c(5), 3, H - 4, W - 1, 3);
    DrawVGradientDC(hDC, c(-32), c(-22), 1, 3, 2, H - 5);
    DrawVGradientDC(hDC, c(-24), c(-15), 2, 4, 3, H - 7);
    SetPixels(hDC, {{1, 2}, {2, 1}, {W - 3, 1}}, c(-48));
    hDC.setPixel(2, H - 2, c(-5));
    hDC.setPixel(1, H - 3, c(-16));
    hDC.setPixel(W - 2, H - 3, c(18));
    hDC.setPixel(W - 3, H - 2, c(8));
    hDC.setPixel(W - 2, 2, c(-37));
    const Colorref outline = c(-128);
    DrawLineDC(hDC, 1, 0, W - 1, 0, outline);
    DrawLineDC(hDC, 0, 1, 0, H - 1, outline);
    DrawLineDC(hDC, W - 1, 1, W - 1, H - 1, outline);
    DrawLineDC(hDC, 1, H - 1, W - 1, H - 1, outline);
    SetPixels(hDC, {{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, c(-96));
}

void DrawDisabledFace(Surface& hDC, int W, int H, Colorref back, const Shades& c)
{
    SetBackground(hDC, back);
    DrawBox(hDC, 0, 0, W - 1, H - 1, c(-64));
    DrawDisabledCorners(hDC, W, H, c(-53));
}

void DrawRaisedFace(Surface& hDC, int W, int H, Colorref back, const Shades& c)
{
    SetBackground(hDC, back);
    DrawVGradientDC(hDC, back, c(-15), 1, 1, W - 2, H - 3);
    DrawVGradientDC(hDC, c(21), c(-21), 1, 2, 2, H - 5);
    DrawVGradientDC(hDC, c(-5), c(-32), W - 2, 2, W - 3, H - 5);
    DrawLineDC(hDC, 2, 1, W - 2, 1, c(5));
    DrawLineDC(hDC, 1, 2, W - 1, 2, c(2));
    DrawLineDC(hDC, 2, H - 4, W - 2, H - 4, c(-16));
    DrawLineDC(hDC, 2, H - 3, W - 2, H - 3, c(-24));
    DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, c(-37));
    const Colorref outline = c(-128);
    DrawLineDC(hDC, 2, 0, W - 2, 0, outline);
    DrawLineDC(hDC, 0, 2, 0, H - 2, outline);
    DrawLineDC(hDC, 2, H - 1, W - 2, H - 1, outline);
    DrawLineDC(hDC, W - 1, 0, W - 1, H, outline);
    SetPixels(hDC, {{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, outline);
    SetPixels(hDC, {{1, 0}, {W - 2, 0}, {0, 1}, {0, H - 2}, {1, H - 1}, {W - 2, H - 1}, {W - 1, 1}, {W - 1, H - 2}},
              c(-21));
}

void DrawHighlightBands(Surface& hDC, int W, int H, Colorref highlight)
{
    const Shades h(highlight);
    DrawRoundedBands(hDC, W, H, {h(85), h(69), h(16), highlight, h(69), h(16)}, BandOrder::TopFirst);
}

} // namespace

void DrawRoundedGradientCustom(Surface& hDC, const FaceView& view, int& DrawState)
{
    const int W = view.W;
    const int H = view.H;
    const Shades c(view.BackColor);
    switch (DrawState) {
    case StatePressed:
        DrawPressedFace(hDC, W, H, c);
        return;
    case StateDisabled:
        DrawDisabledFace(hDC, W, H, view.BackColor, c);
        return;
    case StateNormal:
    case StateHot:
    case StateDefaulted:
        DrawRaisedFace(hDC, W, H, view.BackColor, c);
        break;
    default:
        return;
    }
    if (DrawState == StateHot || DrawState == StateDefaulted || (view.HasFocus && view.ShowFocus))
        DrawHighlightBands(hDC, W, H, DrawState == StateHot ? view.HighlightColor : view.SystemHighlight);
}

} // namespace cvbutton::render
