// Placing a wrapped caption on the control for each alignment, with the text flags that go with it.
#include "cvbutton/caption_layout.h"

#include "cvbutton/button_types.h"

#include <cmath>

namespace cvbutton {
namespace {

int rounded(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

CaptionLayout layOutCaption(int CaptionAlign, int W, int H, int tw, int th, int M, const CaptionLayout& unchanged)
{
    using namespace host;
    const double w = W;
    const double h = H;
    const int centredLeft = rounded((w - tw) / 2 - 4);
    const int centredRight = rounded((w + tw) / 2);
    const int middleTop = rounded((h - th) / 2 - 1);
    const int middleBottom = rounded((h + th) / 2);
    switch (CaptionAlign) {
    case AlignCenter:
        return {{centredLeft, middleTop, centredRight, middleBottom}, DT_CENTER | DT_VCENTER | DT_WORDBREAK};
    case AlignLeft:
        return {{M, middleTop, tw + 4 + M, middleBottom}, DT_VCENTER | DT_WORDBREAK};
    case AlignRight:
        return {{W - tw - 8 - M, middleTop, W - 4 - M, middleBottom}, DT_RIGHT | DT_VCENTER | DT_WORDBREAK};
    case AlignTop:
        return {{centredLeft, rounded(M / 2.0), centredRight, rounded(M / 2.0 + th)}, DT_CENTER | DT_WORDBREAK};
    case AlignBottom:
        return {{centredLeft, rounded(h - th - M / 2.0), centredRight, rounded(h - M / 2.0)},
                DT_CENTER | DT_BOTTOM | DT_WORDBREAK};
    default:
        return unchanged;
    }
}

} // namespace cvbutton
