// Properties that change where things sit on the face: their setters lay the control out again.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

void cvButton::notifyAndRelayout(const QString& name)
{
    host_.propertyChanged(name);
    UserControl_Resize();
    Refresh();
}

// The layout and the repaint run twice: the window shape of the first pass is the old style's.
void cvButton::setStyle(int value)
{
    Style_ = value;
    notifyAndRelayout(QStringLiteral("Style"));
    UserControl_Resize();
    Refresh();
}

void cvButton::setNonThemeStyle(int value)
{
    NonThemeStyle_ = value;
    notifyAndRelayout(QStringLiteral("NonThemeStyle"));
}

void cvButton::setCaption(const QString& value)
{
    Caption_ = value;
    notifyAndRelayout(QStringLiteral("Caption"));
}

void cvButton::setCaptionAlign(int value)
{
    CaptionAlign_ = value;
    notifyAndRelayout(QStringLiteral("CaptionAlign"));
}

void cvButton::setIconAlign(int value)
{
    IconAlign_ = value;
    notifyAndRelayout(QStringLiteral("IconAlign"));
}

void cvButton::setIcon(const IconPicture& value)
{
    Icon_ = value;
    notifyAndRelayout(QStringLiteral("Icon"));
}

void cvButton::setIconSize(std::int16_t value)
{
    IconSize_ = value;
    notifyAndRelayout(QStringLiteral("IconSize"));
}

} // namespace cvbutton
