// The rounded gradient face in its fixed colour scheme, one set of bands per state.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"
#include "cvbutton/render/rounded_gradient_parts.h"

namespace cvbutton::render {
namespace {

constexpr Colorref kOutline = fromRrggbb(0x003C74);

void DrawOutlineAndCorners(Surface& hDC, int W, int H)
{
    DrawLineDC(hDC, 1, 0, W - 1, 0, kOutline);
    DrawLineDC(hDC, 0, 1, 0, H - 1, kOutline);
    DrawLineDC(hDC, W - 1, 1, W - 1, H - 1, kOutline);
    DrawLineDC(hDC, 1, H - 1, W - 1, H - 1, kOutline);
    SetPixels(hDC, {{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}}, fromRrggbb(0x486E90));
    SetPixels(hDC, {{0, 1}, {1, 0}, {1, H - 1}, {0, H - 2}, {W - 1, H - 2}, {W - 2, H - 1}, {W - 2, 0}, {W - 1, 1}},
              fromRrggbb(0x6A8BA2));
    SetPixels(hDC, {{1, 2}, {2, 1}, {2, H - 2}, {1, H - 3}, {W - 2, H - 3}, {W - 3, H - 2}, {W - 3, 1}, {W - 2, 2}},
              fromRrggbb(0xBFC7CA));
}

void DrawRaisedFace(Surface& hDC, int W, int H)
{
    DrawVGradientDC(hDC, fromRrggbb(0xFCFCFB), fromRrggbb(0xF0F0F0), 1, 1, W - 2, 4);
    DrawVGradientDC(hDC, fromRrggbb(0xFAFAF9), fromRrggbb(0xF0F0EA), 1, 4, W - 2, H - 8);
    DrawVGradientDC(hDC, fromRrggbb(0xEBEBE6), fromRrggbb(0xD6D0C5), 1, H - 4, W - 2, 3);
    DrawVGradientDC(hDC, fromRrggbb(0xFBFBFA), fromRrggbb(0xE4E2DA), W - 3, 3, W - 2, H - 5);
    DrawVGradientDC(hDC, fromRrggbb(0xF5F4F2), fromRrggbb(0xDBD7CD), W - 2, 3, W - 1, H - 5);
    DrawOutlineAndCorners(hDC, W, H);
}

void DrawPressedFace(Surface& hDC, int W, int H)
{
    DrawVGradientDC(hDC, fromRrggbb(0xD1CCC1), fromRrggbb(0xE4E3DC), 2, 1, W - 1, 4);
    DrawVGradientDC(hDC, fromRrggbb(0xE4E3DC), fromRrggbb(0xE3E2DB), 2, 4, W - 1, H - 8);
    DrawVGradientDC(hDC, fromRrggbb(0xE3E2DB), fromRrggbb(0xF2F1EE), 3, H - 4, W - 1, 3);
    DrawVGradientDC(hDC, fromRrggbb(0xDAD8CE), fromRrggbb(0xE3E2DB), 1, 3, 2, H - 5);
    DrawVGradientDC(hDC, fromRrggbb(0xDAD8CE), fromRrggbb(0xE3E2DB), 2, 4, 3, H - 7);
    DrawOutlineAndCorners(hDC, W, H);
}

void DrawDisabledFace(Surface& hDC, int W, int H)
{
    SetBackground(hDC, fromRrggbb(0xF5F4EA));
    DrawBox(hDC, 0, 0, W - 1, H - 1, fromRrggbb(0xC9C7BA));
    DrawDisabledCorners(hDC, W, H, fromRrggbb(0xD8D5C7));
}

constexpr RoundedBands kHotBands{fromRrggbb(0xFFF0CF), fromRrggbb(0xFDD889), fromRrggbb(0xF8B330),
                                 fromRrggbb(0xE59710), fromRrggbb(0xFDD889), fromRrggbb(0xF8B330)};
constexpr RoundedBands kFocusBands{fromRrggbb(0xCEE7FF), fromRrggbb(0xBCD4F6), fromRrggbb(0x89ADE4),
                                   fromRrggbb(0x6982EE), fromRrggbb(0xBCD4F6), fromRrggbb(0x89ADE4)};

} // namespace

void DrawRoundedGradientFixed(Surface& hDC, const FaceView& view, int& DrawState)
{
    const int W = view.W;
    const int H = view.H;
    SetBackground(hDC, view.ButtonFace);
    switch (DrawState) {
    case StateNormal:
        DrawRaisedFace(hDC, W, H);
        if (view.HasFocus || view.DisplayAsDefault)
            DrawRoundedBands(hDC, W, H, kFocusBands, BandOrder::BottomEdgeFirst);
        break;
    case StateHot:
        DrawRaisedFace(hDC, W, H);
        DrawRoundedBands(hDC, W, H, kHotBands, BandOrder::TopFirst);
        break;
    case StatePressed:
        DrawPressedFace(hDC, W, H);
        break;
    case StateDisabled:
        DrawDisabledFace(hDC, W, H);
        break;
    default:
        break;
    }
}

} // namespace cvbutton::render
