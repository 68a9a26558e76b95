// Asking the kernel which user runs the process at the other end of a local socket.
#include "platform/peer_credentials.h"

#include <sys/socket.h>
#include <unistd.h>

namespace platform {

bool peerIsThisUser(qintptr socketDescriptor)
{
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        size != sizeof peer)
        return false;
    return peer.uid == ::getuid();
}

} // namespace platform
