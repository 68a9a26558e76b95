// The host's events other than property storage.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

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
    runtime_.IsShown = true;
    UserControl_Resize();
    Refresh();
}

// The host's tooltip text is handed back, so its own tooltip can show while the control is hidden.
void cvButton::UserControl_Hide()
{
    runtime_.IsShown = false;
    handBackToolTipText();
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
    runtime_.HasFocus = true;
    Refresh();
}

void cvButton::UserControl_EnterFocus()
{
    UserControl_GotFocus();
}

void cvButton::UserControl_LostFocus()
{
    runtime_.HasFocus = false;
    Refresh();
}

void cvButton::UserControl_ExitFocus()
{
    UserControl_LostFocus();
}

} // namespace cvbutton
