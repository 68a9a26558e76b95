// The resize handler: size limits, the rectangles, the caption's place and the window shape.
#include "cvbutton/caption_layout.h"
#include "cvbutton/cvbutton.h"

#include <algorithm>
#include <cmath>

namespace cvbutton {
namespace {

constexpr int kMinimumSizeTwips = 300;

int wholePixels(double pixels)
{
    return static_cast<int>(std::nearbyint(pixels));
}

} // namespace

void cvButton::UserControl_Resize()
{
    host_.setSizeTwips(std::max(host_.widthTwips(), kMinimumSizeTwips),
                       std::max(host_.heightTwips(), kMinimumSizeTwips));
    const int width = wholePixels(host_.scaleWidth());
    const int height = wholePixels(host_.scaleHeight());
    runtime_.ButtonRect = {0, 0, width, height};
    runtime_.CaptionRect = {4, 4, width - 4, height - 4};
    layOutCaption();
    ApplyWindowShape();
    Refresh();
}

// The caption is measured wrapped to the control's width less 8 and placed with the margin the
// previous paint left.
void cvButton::layOutCaption()
{
    const unsigned rtl = RightToLeft_ != 0 ? host::DT_RTLREADING : 0;
    host::Rect measured = runtime_.CaptionRect;
    host_.surface().drawText(Caption_, measured, host::DT_CALCRECT | host::DT_WORDBREAK | rtl);
    const int tw = measured.right - 4;
    const int th = measured.bottom - 4;
    const CaptionLayout laid =
        cvbutton::layOutCaption(CaptionAlign_, runtime_.ButtonRect.right, runtime_.ButtonRect.bottom, tw, th,
                                runtime_.ContentMargin, {runtime_.CaptionRect, runtime_.CaptionFormat});
    runtime_.CaptionRect = laid.CaptionRect;
    runtime_.CaptionFormat = laid.CaptionFormat | rtl;
}

} // namespace cvbutton
