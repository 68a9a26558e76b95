// The coloured bands both rounded gradient faces are drawn from.
#pragma once

#include "cvbutton/render/face_drawing.h"

namespace cvbutton::render {

// The coloured bands of the rounded gradient face: two lines under the top edge, two over the
// bottom edge and a gradient down each side, which covers the lines' ends.
struct RoundedBands {
    Colorref top1;
    Colorref top2;
    Colorref bottom2;
    Colorref bottom1;
    Colorref sideFrom;
    Colorref sideTo;
};

enum class BandOrder { TopFirst, BottomEdgeFirst };

void DrawRoundedBands(Surface& hDC, int W, int H, const RoundedBands& bands, BandOrder order);

// The twelve pixels that soften the corners of the disabled face.
void DrawDisabledCorners(Surface& hDC, int W, int H, Colorref color);

} // namespace cvbutton::render
