#include "cvbutton/plain_host.h"

#include <cmath>

namespace cvbutton {

PlainHost::PlainHost(int widthPixels, int heightPixels, QString name)
    : name_(std::move(name)), surface_(widthPixels, heightPixels)
{
}

// A size that is not a whole number of pixels takes the nearest whole one.
void PlainHost::setSizeTwips(int width, int height)
{
    const auto pixels = [](int twips) { return static_cast<int>(std::nearbyint(twips / double{kTwipsPerPixel})); };
    ++sizeRequests_;
    if (pixels(width) != surface_.width() || pixels(height) != surface_.height())
        surface_.resize(pixels(width), pixels(height));
}

std::unique_ptr<platform::ToolTipWindow> PlainHost::createToolTipWindow(unsigned style)
{
    return toolTipMaker_ ? toolTipMaker_(style) : nullptr;
}

} // namespace cvbutton
