// The tooltip's properties. The names the host is told differ in spelling from some storage keys.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

void cvButton::setToolTipText(const QString& value)
{
    ToolTipText_ = value;
    CreateToolTip();
    notifyAndRepaint(QStringLiteral("ToolTipText"));
}

void cvButton::setToolTipTitle(const QString& value)
{
    ToolTipTitle_ = value;
    notifyAndRepaint(QStringLiteral("TooltipTitle"));
}

void cvButton::setToolTipIcon(int value)
{
    ToolTipIcon_ = value;
    notifyAndRepaint(QStringLiteral("TooltipIcon"));
}

void cvButton::setToolTipType(int value)
{
    ToolTipType_ = value;
    notifyAndRepaint(QStringLiteral("ToolTipType"));
}

void cvButton::setToolTipBackColor(Colorref value)
{
    ToolTipBackColor_ = value;
    notifyAndRepaint(QStringLiteral("ToolTipBackColor"));
}

void cvButton::setToolTipForeColor(Colorref value)
{
    ToolTipForeColor_ = value;
    notifyAndRepaint(QStringLiteral("ToolTipForeColor"));
}

} // namespace cvbutton
