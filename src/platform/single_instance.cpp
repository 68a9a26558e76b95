#include "platform/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr char kActivate[] = "activate\n";
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

bool SingleInstance::claim()
{
    if (someoneListens(serverName_))
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        if (someoneListens(serverName_))
            return false; // another start won the race
        // A socket file left by a program that died: nobody answers on it, so it is ours to replace.
        QLocalServer::removeServer(serverName_);
        if (!server_->listen(serverName_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answerConnection);
    return true;
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
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
            if (!socket->canReadLine() || socket->readLine() != kActivate)
                return;
            emit activationRequested();
            socket->write(kAcknowledged);
            socket->flush();
        });
    }
}

} // namespace platform
