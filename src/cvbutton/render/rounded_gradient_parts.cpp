// Drawing the rounded gradient face's bands: the lines under the top edge and over the bottom edge and
// the gradients down each side.
#include "cvbutton/render/rounded_gradient_parts.h"

#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"

namespace cvbutton::render {

void DrawRoundedBands(Surface& hDC, int W, int H, const RoundedBands& bands, BandOrder order)
{
    if (order == BandOrder::BottomEdgeFirst)
        DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, bands.bottom1);
    DrawLineDC(hDC, 2, 1, W - 2, 1, bands.top1);
    DrawLineDC(hDC, 2, 2, W - 2, 2, bands.top2);
    DrawLineDC(hDC, 2, H - 3, W - 2, H - 3, bands.bottom2);
    if (order == BandOrder::TopFirst)
        DrawLineDC(hDC, 2, H - 2, W - 2, H - 2, bands.bottom1);
    DrawVGradientDC(hDC, bands.sideFrom, bands.sideTo, 1, 2, 3, H - 5);
    DrawVGradientDC(hDC, bands.sideFrom, bands.sideTo, W - 3, 2, W - 1, H - 5);
}

void DrawDisabledCorners(Surface& hDC, int W, int H, Colorref color)
{
    SetPixels(hDC,
              {{0, 1},
               {1, 1},
               {1, 0},
               {0, H - 2},
               {1, H - 2},
               {1, H - 1},
               {W - 1, 1},
               {W - 2, 1},
               {W - 2, 0},
               {W - 1, H - 2},
               {W - 2, H - 2},
               {W - 2, H - 1}},
              color);
}

} // namespace cvbutton::render
