// Who is at the other end of a local socket.
#pragma once

#include <QtGlobal>

// Who is at the other end of a local socket.
namespace platform {

// True when the process at the other end of the connected local socket runs as this user.
bool peerIsThisUser(qintptr socketDescriptor);

} // namespace platform
