// Properties that only change how the face is painted: their setters repaint.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

void cvButton::notifyAndRepaint(const QString& name)
{
    host_.propertyChanged(name);
    Refresh();
}

QFont cvButton::Font() const
{
    return host_.surface().font();
}

// The font lives on the host's surface; the control keeps no copy of it.
void cvButton::setFont(const QFont& value)
{
    host_.surface().setFont(value);
    Refresh();
    host_.propertyChanged(QStringLiteral("Font"));
}

void cvButton::setRightToLeft(bool value)
{
    RightToLeft_ = value ? -1 : 0;
    notifyAndRepaint(QStringLiteral("bRTLText"));
}

void cvButton::setRoundedBordersByTheme(bool value)
{
    RoundedBordersByTheme_ = value;
    notifyAndRepaint(QStringLiteral("RoundedBordersByTheme"));
}

void cvButton::setShowFocus(bool value)
{
    ShowFocus_ = value;
    notifyAndRepaint(QStringLiteral("ShowFocus"));
}

void cvButton::setUseCustomColors(bool value)
{
    UseCustomColors_ = value;
    notifyAndRepaint(QStringLiteral("UseCustomColors"));
}

void cvButton::setBackColor(Colorref value)
{
    BackColor_ = value;
    notifyAndRepaint(QStringLiteral("BackColor"));
}

void cvButton::setHighlightColor(Colorref value)
{
    HighlightColor_ = value;
    notifyAndRepaint(QStringLiteral("HighlightColor"));
}

void cvButton::setFontColor(Colorref value)
{
    FontColor_ = value;
    notifyAndRepaint(QStringLiteral("FontColor"));
}

void cvButton::setFontHighlightColor(Colorref value)
{
    FontHighlightColor_ = value;
    notifyAndRepaint(QStringLiteral("FontHighlightColor"));
}

void cvButton::setMaskColor(Colorref value)
{
    MaskColor_ = value;
    notifyAndRepaint(QStringLiteral("MaskColor"));
}

void cvButton::setUseMaskColor(bool value)
{
    UseMaskColor_ = value;
    notifyAndRepaint(QStringLiteral("UseMaskColor"));
}

} // namespace cvbutton
