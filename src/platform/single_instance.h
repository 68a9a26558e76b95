// One running program per user and display, and the hand-over of a later start's picture to it.
#pragma once

#include <QList>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/instance_message.h"

namespace platform {

class LocalListener;

// One running program per user and display. The first start claims a local socket in a folder of the user's own;
// a later start finds it, hands over the picture it was asked to open (or none), and learns whether
// the running program took it. Only processes of the same user are heard, each for a short while and
// a few at a time, and a request is never longer than one path and an activation token.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed,     // this process is now the running instance
        AnotherRuns, // a running instance answers on the channel
        Unavailable, // the channel cannot be set up here; see failureReason()
    };

    // `key` names the program; the socket, named after it and the display this process was started
    // for, lives in a private folder of the user's, in the runtime folder (or the temporary folder
    // when there is none).
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    // Why the channel could not be set up, after claim() answered Unavailable.
    QString failureReason() const { return failureReason_; }

    // Asks the running instance to come forward and open `path` (nothing when empty); true once it
    // acknowledged within `timeoutMs`.
    bool activateRunning(const QString& path = QString(), int timeoutMs = 10000);
    // The same, handing over the activation token the desktop gave this start, with which the running
    // window may come forward.
    bool activateRunning(const instance_message::Request& request, int timeoutMs = 10000);

signals:
    // Sent after the request was acknowledged, so a question the window then asks never keeps the
    // second start waiting. `path` is empty when there is nothing to open, `activationToken` when the
    // later start had none.
    void activationRequested(const QString& path, const QString& activationToken);

private:
    void answerConnection(QLocalSocket* socket);
    enum class Answer { Acknowledged, Refused, None };
    Answer send(const QByteArray& request, int timeoutMs) const;
    void readRequest(QLocalSocket& socket);
    Claim giveUp();

    QString serverName_; // empty when no folder of ours could be had
    QString failureReason_;
    LocalListener* listener_ = nullptr;
    QList<QPointer<QLocalSocket>> connections_;
};

} // namespace platform
