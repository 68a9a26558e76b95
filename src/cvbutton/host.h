// The host interface: what a container offers the control it hosts (its surface, window, hook, tooltip
// window, theme, ambient properties and events), the only way the control sees its container.
#pragma once

#include "cvbutton/host/message_hook.h"
#include "cvbutton/host/region.h"
#include "cvbutton/host/surface.h"
#include "cvbutton/host/tooltip_window.h"
#include "forms/twips.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace cvbutton {

class PropertyBag;

// Container sizes are kept in twips.
using forms::kTwipsPerPixel;
using forms::twipsToPixels;

// What a container offers the control it hosts. The control sees its container only through this.
class Host {
public:
    virtual ~Host() = default;

    // Ambient properties: run mode (False in a design environment) and whether the container
    // shows the control as its default button.
    virtual bool UserMode() const = 0;
    virtual bool DisplayAsDefault() const = 0;

    // The extender: the instance's name on its form and the container's own tooltip text for it.
    virtual QString extenderName() const = 0;
    virtual QString extenderToolTipText() const = 0;
    virtual void setExtenderToolTipText(const QString& text) = 0;

    // Tells the container that the named property changed.
    virtual void propertyChanged(const QString& name) = 0;

    // The drawing surface and its size: ScaleWidth and ScaleHeight in pixels, Width and Height in
    // twips.
    virtual host::Surface& surface() = 0;
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    virtual void setSizeTwips(int width, int height) = 0;

    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual std::int16_t mousePointer() const = 0;
    virtual void setMousePointer(std::int16_t pointer) = 0;

    // The window's shape; an empty region gives it back its whole rectangle.
    virtual void setWindowRegion(const host::Region& region) = 0;

    // Lets the window messages that are waiting run before the caller goes on.
    virtual void processPendingEvents() = 0;

    // Keystrokes for the active window: "{TAB}" moves the focus to the next control, "+{TAB}"
    // to the previous one.
    virtual void sendKeys(const QString& keys) = 0;

    // The window the control's messages arrive at, and the hook through which it sees them.
    virtual host::Window window() = 0;
    virtual host::MessageHook& messageHook() = 0;
    // A tooltip window owned by the control's window, with the given window style; null when
    // the container cannot make one.
    virtual std::unique_ptr<host::ToolTipWindow> createToolTipWindow(unsigned style) = 0;
};

// The host's events, as the container delivers them to the control it hosts.
class HostedControl {
public:
    virtual ~HostedControl() = default;

    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag& PropBag) = 0;
    virtual void WriteProperties(PropertyBag& PropBag) = 0;
    virtual void UserControl_Show() = 0;
    virtual void UserControl_Hide() = 0;
    virtual void UserControl_Resize() = 0;
    virtual void UserControl_Paint() = 0;
    virtual void UserControl_AmbientChanged(const QString& PropertyName) = 0;
    virtual void UserControl_GotFocus() = 0;
    virtual void UserControl_LostFocus() = 0;
    virtual void UserControl_EnterFocus() = 0;
    virtual void UserControl_ExitFocus() = 0;
    // Buttons: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt.
    virtual void UserControl_MouseDown(int Button, int Shift, float X, float Y) = 0;
    virtual void UserControl_MouseUp(int Button, int Shift, float X, float Y) = 0;
    // The container's own click, after a mouse-up over the control.
    virtual void UserControl_Click() = 0;
    virtual void UserControl_DblClick() = 0;
    // Key codes: 32 Space, 37 Left, 38 Up, 39 Right, 40 Down, 9 Tab.
    virtual void UserControl_KeyDown(int KeyCode, int Shift) = 0;
    virtual void UserControl_KeyUp(int KeyCode, int Shift) = 0;
    virtual void UserControl_AccessKeyPress(int KeyAscii) = 0;
    // The control is about to go away.
    virtual void UserControl_Terminate() = 0;
};

} // namespace cvbutton
