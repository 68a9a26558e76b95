// The message hook's interface: the window messages it numbers, the callbacks it runs before and after
// a window's own handling, and the request for one leave notification.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

namespace cvbutton::host {

// The window a hook is attached to; its messages arrive numbered as below.
using Window = QObject*;

inline constexpr int WM_SYSCOLORCHANGE = 0x15;
inline constexpr int WM_MOUSEMOVE = 0x200;
inline constexpr int WM_MOUSELEAVE = 0x2A3;
inline constexpr int WM_THEMECHANGED = 0x31A;
// Window events without a number of their own travel in the application range, at this base
// plus their Qt event type.
inline constexpr int WM_APP = 0x8000;

// A message number that stands for every message.
inline constexpr int kEveryMessage = -1;

// When a callback runs: after the window's own procedure, before it, or both.
enum MessageWhen : int {
    MSG_AFTER = 1,
    MSG_BEFORE = 2,
    MSG_BEFORE_AND_AFTER = 3,
};

// Called for each hooked message. bBefore tells whether the window's own procedure is still to
// come; a before-call that sets bHandled skips it and the after-calls. lReturn is what the
// message returns, the window procedure's result unless a callback changes it.
using SubclassProc = std::function<void(bool bBefore, bool& bHandled, std::intptr_t& lReturn, Window& lng_hWnd,
                                        int& uMsg, std::intptr_t& wParam, std::intptr_t& lParam)>;

inline constexpr std::uint32_t TME_LEAVE = 2;

// A request for one mouse-leave notification of hwndTrack.
struct TrackMouseEventRequest {
    std::uint32_t cbSize = 16;
    std::uint32_t dwFlags = TME_LEAVE;
    Window hwndTrack = nullptr;
    std::uint32_t dwHoverTime = 0;
};

// Hooks the message stream of windows: each registered message passes through a callback before
// and/or after the window's own handling. One hook serves one control and the windows it attaches.
class MessageHook {
public:
    virtual ~MessageHook() = default;

    // Returns the index of the window's entry in the hook's table.
    virtual int SubclassAttach(Window window, SubclassProc callback) = 0;
    // when is a MessageWhen; uMsg kEveryMessage makes the list match every message.
    virtual void SubclassAddMessage(Window window, int uMsg, int when) = 0;
    // The window gets its own procedure back; a message still on its way calls nobody.
    virtual void SubclassDetach(Window window) = 0;
    virtual void SubclassDetachAll() = 0;

    // Whether this hook offers the named function of the named module.
    virtual bool IsFunctionExported(const QString& function, const QString& module) const = 0;

    // Each asks for one WM_MOUSELEAVE: when the pointer leaves, or at once when it is already out.
    virtual bool TrackMouseEvent(const TrackMouseEventRequest& request) = 0;
    virtual bool _TrackMouseEvent(const TrackMouseEventRequest& request) = 0;
};

} // namespace cvbutton::host
