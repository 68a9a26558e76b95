// The single-instance check: claiming the user's socket, handing a later start's picture to the running
// instance, and dropping connections that say nothing.
#include "platform/single_instance.h"

#include "platform/display_identity.h"
#include "platform/instance_message.h"
#include "platform/local_listener.h"
#include "platform/peer_credentials.h"
#include "platform/private_folder.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>

namespace platform {

namespace {

constexpr char kAcknowledged[] = "ok\n";
constexpr qint64 kMaxRequest = instance_message::kMaxLineBytes;
// A later start sends its line at once; a connection that says nothing for this long is dropped.
constexpr int kIdleMs = 5000;
// Beyond this many connections at a time the oldest are dropped: a start writes at once, so the
// newest are the likeliest starts.
constexpr int kMaxConnections = 64;

// Where the channel's folder goes: the user's runtime folder, else the shared temporary folder (in
// which only the folder of our own, checked before use, is trusted).
QString channelBase()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// One channel per display: a start meant for another display opens a window of its own there.
QString channelName(const QString& key)
{
    const QString display = currentDisplayIdentity();
    return display.isEmpty() ? key : key + u'-' + display;
}

bool isThisUsersListener(QLocalSocket& socket)
{
    return peerIsThisUser(socket.socketDescriptor());
}

enum class Listener { Answers, Nobody, Unknown };

// Only a refused connection proves that nobody listens: under load a running instance may take
// longer to answer than we wait, and its socket must not be taken for one a dead program left.
Listener probe(const QString& serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    if (probe.waitForConnected(1000))
        return isThisUsersListener(probe) ? Listener::Answers : Listener::Unknown;
    const QLocalSocket::LocalSocketError error = probe.error();
    return error == QLocalSocket::ConnectionRefusedError || error == QLocalSocket::ServerNotFoundError
               ? Listener::Nobody
               : Listener::Unknown;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent)
{
    const PrivateFolder folder = privateFolder(channelBase(), key);
    if (folder.path.isEmpty())
        failureReason_ = folder.failure;
    else
        serverName_ = folder.path + u'/' + channelName(key) + QStringLiteral(".instance");
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim()
{
    if (serverName_.isEmpty())
        return Claim::Unavailable; // no folder of ours to put the channel in; failureReason() says why
    if (probe(serverName_) != Listener::Nobody)
        return Claim::AnotherRuns;
    listener_ = new LocalListener(this);
    bool inUse = false;
    if (!listener_->listen(serverName_, &inUse)) {
        if (inUse && probe(serverName_) != Listener::Nobody)
            return Claim::AnotherRuns; // another start won the race
        // A socket file left by a program that died: nobody answers on it, so it is ours to replace.
        QFile::remove(serverName_);
        if (!listener_->listen(serverName_))
            return giveUp();
    }
    connect(listener_, &LocalListener::connected, this, &SingleInstance::answerConnection);
    return Claim::Claimed;
}

SingleInstance::Claim SingleInstance::giveUp()
{
    failureReason_ = listener_->errorString();
    delete listener_;
    listener_ = nullptr;
    return Claim::Unavailable;
}

bool SingleInstance::activateRunning(const QString& path, int timeoutMs)
{
    return activateRunning(instance_message::Request{path, QString()}, timeoutMs);
}

bool SingleInstance::activateRunning(const instance_message::Request& request, int timeoutMs)
{
    const Answer answer = send(instance_message::encode(request), timeoutMs);
    // A running instance of an earlier version closes on a request with a token: it is asked again
    // without one.
    if (answer == Answer::Refused && !request.activationToken.isEmpty())
        return send(instance_message::encode({request.path, QString()}), timeoutMs) == Answer::Acknowledged;
    return answer == Answer::Acknowledged;
}

SingleInstance::Answer SingleInstance::send(const QByteArray& request, int timeoutMs) const
{
    if (serverName_.isEmpty())
        return Answer::None;
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs) || !isThisUsersListener(socket))
        return Answer::None;
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return Answer::None;
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > qint64(sizeof kAcknowledged))
            return Answer::None;
        if (!socket.waitForReadyRead(timeoutMs))
            return socket.error() == QLocalSocket::PeerClosedError ? Answer::Refused : Answer::None;
    }
    return socket.readLine() == kAcknowledged ? Answer::Acknowledged : Answer::None;
}

void SingleInstance::answerConnection(QLocalSocket* socket)
{
    socket->setParent(this);
    // The newest connection is the likeliest to be a start: it is the oldest that makes room.
    connections_.removeAll(nullptr);
    if (connections_.size() >= kMaxConnections)
        connections_.takeFirst()->abort();
    connections_.append(socket);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->setReadBufferSize(kMaxRequest);
    QTimer::singleShot(kIdleMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(*socket); });
}

void SingleInstance::readRequest(QLocalSocket& socket)
{
    if (!socket.canReadLine()) {
        if (socket.bytesAvailable() >= kMaxRequest)
            socket.abort(); // longer than any request: not a start of ours
        return;
    }
    const std::optional<instance_message::Request> request = instance_message::decode(socket.readLine(kMaxRequest + 1));
    if (!request) {
        socket.abort();
        return;
    }
    socket.write(kAcknowledged);
    socket.flush();
    emit activationRequested(request->path, request->activationToken);
}

} // namespace platform
