// Properties that change how the button behaves rather than how it looks.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

bool cvButton::Enabled()
{
    const bool enabled = Enabled_;
    Refresh();
    return enabled;
}

// The state goes back to normal either way; the repaint then applies the disabled look.
void cvButton::setEnabled(bool value)
{
    Enabled_ = value;
    runtime_.DrawState = StateNormal;
    Refresh();
    host_.propertyChanged(QStringLiteral("Enabled"));
    host_.setEnabled(value);
}

void cvButton::setButtonType(int value)
{
    ButtonType_ = value;
    notifyAndRepaint(QStringLiteral("ButtonType"));
}

void cvButton::setValue(bool value)
{
    Value_ = value;
    notifyAndRepaint(QStringLiteral("Value"));
}

std::int16_t cvButton::MousePointer() const
{
    return host_.mousePointer();
}

// The pointer changes nothing on the face, so there is no repaint.
void cvButton::setMousePointer(std::int16_t value)
{
    host_.setMousePointer(value);
    host_.propertyChanged(QStringLiteral("MousePointer"));
}

} // namespace cvbutton
