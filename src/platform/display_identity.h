// The identity of the display a start shows its windows on, used to tell one person's running instance
// from another's.
#pragma once

#include <QString>

// Which display a window of this start appears on, written so it can be part of a file name. Two
// starts with the same identity show their windows to the same person; two with different ones (an
// `ssh -X` session beside a desktop session, a second seat) do not.
namespace platform {

// From an X11 display (`[host]:number[.screen]`) and a Wayland display (a socket name in the runtime
// folder, or an absolute path); either may be empty. The screen number does not count, nor does the
// spelling of the local host ("unix:0" is ":0"). Empty when there is neither. Only letters, digits,
// '-', '_' and '.' appear, and never more than fits a socket's address comfortably.
QString displayIdentity(const QString& x11Display, const QString& waylandDisplay);

// The identity of the displays this process was started for (DISPLAY, WAYLAND_DISPLAY).
QString currentDisplayIdentity();

} // namespace platform
