#include "platform/single_instance.h"

#include "platform/instance_message.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr char kAcknowledged[] = "ok\n";

QString socketPath(const QString& key)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(key + QStringLiteral(".instance"));
}

bool someoneListens(const QString& serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    return probe.waitForConnected(1000);
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), serverName_(socketPath(key))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim()
{
    if (someoneListens(serverName_))
        return Claim::AnotherRuns;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        if (someoneListens(serverName_))
            return Claim::AnotherRuns; // another start won the race
        // A socket file left by a program that died: nobody answers on it, so it is ours to replace.
        QLocalServer::removeServer(serverName_);
        if (!server_->listen(serverName_))
            return giveUp();
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answerConnection);
    return Claim::Claimed;
}

SingleInstance::Claim SingleInstance::giveUp()
{
    failureReason_ = QStringLiteral("%1: %2").arg(serverName_, server_->errorString());
    delete server_;
    server_ = nullptr;
    return Claim::Unavailable;
}

bool SingleInstance::activateRunning(const QString& path, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(instance_message::encode(path));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == kAcknowledged;
}

void SingleInstance::answerConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const std::optional<QString> path = instance_message::decode(socket->readLine());
            if (!path)
                return;
            socket->write(kAcknowledged);
            socket->flush();
            emit activationRequested(*path);
        });
    }
}

} // namespace platform
