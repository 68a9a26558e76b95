// Hover tracking through the hook on the control's own window: the pointer entering makes the
// control hot and raises MouseEnter, its leaving returns it to normal and raises MouseLeave, and
// colour or theme changes repaint it. One leave notification comes per request, so every entry
// and every left mouse-up asks again.
#include "cvbutton/cvbutton.h"

namespace cvbutton {

using host::Window;

void cvButton::setupMouseTracking()
{
    host::MessageHook& hook = host_.messageHook();
    runtime_.CanTrackMouse = true;
    runtime_.HasDirectLeaveRequest =
        hook.IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("User32"));
    if (!runtime_.HasDirectLeaveRequest &&
        !hook.IsFunctionExported(QStringLiteral("_TrackMouseEvent"), QStringLiteral("Comctl32")))
        runtime_.CanTrackMouse = false;
    if (!runtime_.CanTrackMouse)
        return;
    const Window window = host_.window();
    hook.SubclassAttach(window, [this](bool bBefore, bool& bHandled, std::intptr_t& lReturn, Window& lng_hWnd,
                                       int& uMsg, std::intptr_t& wParam, std::intptr_t& lParam) {
        zSubclass_Proc(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
    });
    for (int message : {host::WM_MOUSEMOVE, host::WM_MOUSELEAVE, host::WM_THEMECHANGED, host::WM_SYSCOLORCHANGE})
        hook.SubclassAddMessage(window, message, host::MSG_AFTER);
}

void cvButton::TrackMouseLeave(Window window)
{
    if (!runtime_.CanTrackMouse)
        return;
    host::TrackMouseEventRequest request;
    request.hwndTrack = window;
    if (runtime_.HasDirectLeaveRequest)
        host_.messageHook().TrackMouseEvent(request);
    else
        host_.messageHook()._TrackMouseEvent(request);
}

void cvButton::zSubclass_Proc(bool, bool&, std::intptr_t&, Window& lng_hWnd, int& uMsg, std::intptr_t&, std::intptr_t&)
{
    switch (uMsg) {
    case host::WM_SYSCOLORCHANGE:
    case host::WM_THEMECHANGED:
        Refresh();
        break;
    case host::WM_MOUSEMOVE:
        if (runtime_.MouseInside)
            break;
        runtime_.MouseInside = true;
        TrackMouseLeave(lng_hWnd);
        runtime_.DrawState = StateHot;
        Refresh();
        if (raise(MouseEnter))
            CreateToolTip();
        break;
    case host::WM_MOUSELEAVE:
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
