// Hover tracking through the hook on the control's own window: the pointer entering makes the
// control hot and raises MouseEnter, its leaving returns it to normal and raises MouseLeave, and
// colour or theme changes repaint it. One leave notification comes per request, so every entry
// and every left mouse-up asks again.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

using platform::Window;

void cvButton::setupMouseTracking()
{
    platform::MessageHook& hook = host_.messageHook();
    runtime_.CanTrackMouse = true;
    runtime_.HasUser32TrackMouseEvent =
        hook.IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("User32"));
    if (!runtime_.HasUser32TrackMouseEvent &&
        !hook.IsFunctionExported(QStringLiteral("_TrackMouseEvent"), QStringLiteral("Comctl32")))
        runtime_.CanTrackMouse = false;
    if (!runtime_.CanTrackMouse)
        return;
    const Window window = host_.window();
    hook.SubclassAttach(window, [this](bool bBefore, bool& bHandled, std::intptr_t& lReturn, Window& lng_hWnd,
                                       int& uMsg, std::intptr_t& wParam, std::intptr_t& lParam) {
        zSubclass_Proc(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
    });
    for (int message :
         {platform::WM_MOUSEMOVE, platform::WM_MOUSELEAVE, platform::WM_THEMECHANGED, platform::WM_SYSCOLORCHANGE})
        hook.SubclassAddMessage(window, message, platform::MSG_AFTER);
}

void cvButton::TrackMouseLeave(Window window)
{
    if (!runtime_.CanTrackMouse)
        return;
    platform::TrackMouseEventRequest request;
    request.hwndTrack = window;
    if (runtime_.HasUser32TrackMouseEvent)
        host_.messageHook().TrackMouseEvent(request);
    else
        host_.messageHook()._TrackMouseEvent(request);
}

void cvButton::zSubclass_Proc(bool, bool&, std::intptr_t&, Window& lng_hWnd, int& uMsg, std::intptr_t&, std::intptr_t&)
{
    switch (uMsg) {
    case platform::WM_SYSCOLORCHANGE:
    case platform::WM_THEMECHANGED:
        Refresh();
        break;
    case platform::WM_MOUSEMOVE:
        if (runtime_.MouseInside)
            break;
        runtime_.MouseInside = true;
        TrackMouseLeave(lng_hWnd);
        runtime_.DrawState = StateHot;
        Refresh();
        if (raise(MouseEnter))
            CreateToolTip();
        break;
    case platform::WM_MOUSELEAVE:
        runtime_.MouseInside = false;
        runtime_.DrawState = StateNormal;
        RemoveToolTip();
        Refresh();
        raise(MouseLeave);
        break;
    default:
        break;
    }
}

// The hook goes with the control; a message still running through it calls nobody.
void cvButton::UserControl_Terminate()
{
    host_.messageHook().SubclassDetachAll();
}

} // namespace cvbutton
