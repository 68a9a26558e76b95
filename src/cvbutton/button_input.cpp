// Mouse, keyboard and access-key input: the state the face is drawn in, a check button's value,
// and the Click and MouseLeave events.
#include "cvbutton/cvbutton.h"

#include <exception>
#include <memory>

namespace cvbutton {
namespace {

constexpr int kLeftButton = 1;
constexpr int kKeyTab = 9;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

} // namespace

// A failure in a form's handler ends the control's handler that raised the event; it goes no
// further, so the container's event loop never sees it.
bool cvButton::raise(const Event& event)
{
    const std::weak_ptr<int> alive = lifetime_;
    try {
        event.raise();
    } catch (const std::exception&) {
        return false;
    }
    return !alive.expired();
}

void cvButton::UserControl_MouseDown(int Button, int, float, float)
{
    if (Button != kLeftButton)
        return;
    runtime_.DrawState = StatePressed;
    Refresh();
}

// Click is raised only while the pointer is known to be over the control: the messages still
// waiting (a leave among them) run first, and leave tracking is asked for again, because the
// press may have used up the last request. An unchecked check button stays pressed until the
// container's click toggles it.
void cvButton::UserControl_MouseUp(int Button, int, float, float)
{
    if (Button == kLeftButton && (ButtonType_ != KindCheck || Value_)) {
        runtime_.DrawState = StateHot;
        const std::weak_ptr<int> alive = lifetime_;
        host_.processPendingEvents();
        if (alive.expired())
            return;
        TrackMouseLeave(host_.window());
        if (runtime_.MouseInside && !raise(Click))
            return;
        Refresh();
    } else if (Button == kLeftButton) {
        runtime_.DrawState = StatePressed;
        Refresh();
    }
    runtime_.LastMouseButton = Button;
}

void cvButton::UserControl_Click()
{
    if (runtime_.LastMouseButton != kLeftButton)
        return;
    if (ButtonType_ == KindCheck)
        Value_ = !Value_;
    runtime_.DrawState = StateHot;
    Refresh();
}

void cvButton::UserControl_DblClick()
{
    if (runtime_.LastMouseButton == kLeftButton)
        UserControl_MouseDown(kLeftButton, 0, 1, 1);
}

void cvButton::UserControl_KeyDown(int KeyCode, int)
{
    if (KeyCode == kKeySpace) {
        runtime_.DrawState = StatePressed;
        Refresh();
    } else if (KeyCode == kKeyRight || KeyCode == kKeyDown) {
        host_.sendKeys(QStringLiteral("{TAB}"));
    } else if (KeyCode == kKeyLeft || KeyCode == kKeyUp) {
        host_.sendKeys(QStringLiteral("+{TAB}"));
    } else if (KeyCode == kKeyTab) {
        raise(MouseLeave);
    }
}

void cvButton::UserControl_KeyUp(int KeyCode, int)
{
    if (KeyCode != kKeySpace)
        return;
    UserControl_Click();
    if (!raise(Click))
        return;
    runtime_.DrawState = StateNormal;
    Refresh();
}

// Toggles a check button like a left click, without raising Click or repainting.
void cvButton::UserControl_AccessKeyPress(int)
{
    runtime_.LastMouseButton = kLeftButton;
    UserControl_Click();
    runtime_.DrawState = StateNormal;
}

} // namespace cvbutton
