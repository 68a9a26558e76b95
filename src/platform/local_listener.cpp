// The listening socket of the running instance: accepting connections, and pausing while the process has
// no descriptors to spare.
#include "platform/local_listener.h"

#include "platform/peer_credentials.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// Many starts at once queue here rather than being refused.
constexpr int kBacklog = SOMAXCONN;
// How long accepting rests after the process ran out of descriptors, so the loop does not spin.
constexpr int kPauseMs = 200;

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

LocalListener::LocalListener(QObject* parent) : QObject(parent) {}

LocalListener::~LocalListener()
{
    if (descriptor_ < 0)
        return;
    ::close(descriptor_);
    ::unlink(QFile::encodeName(path_).constData());
}

bool LocalListener::listen(const QString& path, bool* addressInUse)
{
    if (addressInUse)
        *addressInUse = false;
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
        error_ = QStringLiteral("%1: the path is too long for a local socket").arg(path);
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error_ = QStringLiteral("%1: %2").arg(path, errnoText());
        return false;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, kBacklog) != 0) {
        if (addressInUse)
            *addressInUse = errno == EADDRINUSE;
        error_ = QStringLiteral("%1: %2").arg(path, errnoText());
        ::close(fd);
        return false;
    }
    descriptor_ = fd;
    path_ = path;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalListener::acceptPending);
    return true;
}

void LocalListener::acceptPending()
{
    for (;;) {
        const int fd = ::accept4(descriptor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                pauseAccepting(); // out of descriptors or memory: try again shortly, keep listening
            return;
        }
        if (!peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        auto* socket = new QLocalSocket;
        if (!socket->setSocketDescriptor(fd)) {
            ::close(fd);
            delete socket;
            continue;
        }
        emit connected(socket);
    }
}

void LocalListener::pauseAccepting()
{
    notifier_->setEnabled(false);
    QTimer::singleShot(kPauseMs, this, [this] { notifier_->setEnabled(true); });
}

} // namespace platform
