// The host's events other than property storage.
#include "cvbutton/cvbutton.h"

#include <algorithm>
#include <cmath>

namespace cvbutton {
namespace {

constexpr int kMinimumSizeTwips = 300;

} // namespace

cvButton::cvButton(Host& host, std::shared_ptr<platform::UrlOpener> urlOpener)
    : host_(host), urlOpener_(std::move(urlOpener))
{
}

cvButton::~cvButton()
{
    UserControl_Terminate();
}

void cvButton::UserControl_Show()
{
    IsShown_ = true;
    UserControl_Resize();
    Refresh();
}

// The host's tooltip text is handed back, so its own tooltip can show while the control is hidden.
void cvButton::UserControl_Hide()
{
    IsShown_ = false;
    handBackToolTipText();
}

// Keeps the control at least 300 twips each way and settles the rectangles the face and the
// caption are drawn in.
void cvButton::UserControl_Resize()
{
    host_.setSizeTwips(std::max(host_.widthTwips(), kMinimumSizeTwips),
                       std::max(host_.heightTwips(), kMinimumSizeTwips));
    const int width = static_cast<int>(std::nearbyint(host_.scaleWidth()));
    const int height = static_cast<int>(std::nearbyint(host_.scaleHeight()));
    ButtonRect_ = {0, 0, width, height};
    CaptionRect_ = {4, 4, width - 4, height - 4};
    Refresh();
}

void cvButton::UserControl_Paint()
{
    Refresh();
}

void cvButton::UserControl_AmbientChanged(const QString& PropertyName)
{
    if (PropertyName == QLatin1String("DisplayAsDefault"))
        Refresh();
}

void cvButton::UserControl_GotFocus()
{
    HasFocus_ = true;
    Refresh();
}

void cvButton::UserControl_EnterFocus()
{
    UserControl_GotFocus();
}

void cvButton::UserControl_LostFocus()
{
    HasFocus_ = false;
    Refresh();
}

void cvButton::UserControl_ExitFocus()
{
    UserControl_LostFocus();
}

} // namespace cvbutton
