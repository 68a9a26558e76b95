// The windowless host: its surface, ambient properties and extender, and the record of what the control
// asked of it.
#include "cvbutton/plain_host.h"

namespace cvbutton {

PlainHost::PlainHost(int widthPixels, int heightPixels, QString name)
    : name_(std::move(name)), surface_(widthPixels, heightPixels)
{
}

// A size that is not a whole number of pixels takes the nearest whole one.
void PlainHost::setSizeTwips(int width, int height)
{
    ++sizeRequests_;
    if (twipsToPixels(width) != surface_.width() || twipsToPixels(height) != surface_.height())
        surface_.resize(twipsToPixels(width), twipsToPixels(height));
}

std::unique_ptr<host::ToolTipWindow> PlainHost::createToolTipWindow(unsigned style)
{
    return toolTipMaker_ ? toolTipMaker_(style) : nullptr;
}

} // namespace cvbutton
