#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

// One running program per user. The first start claims a local socket; a later start finds it,
// hands over the picture it was asked to open (or none), and learns whether the running program
// took it.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed,     // this process is now the running instance
        AnotherRuns, // a running instance answers on the channel
        Unavailable, // the channel cannot be set up here; see failureReason()
    };

    // `key` names the program; the socket lives in the user's runtime folder.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    // Why the channel could not be set up, after claim() answered Unavailable.
    QString failureReason() const { return failureReason_; }

    // Asks the running instance to come forward and open `path` (nothing when empty); true once it
    // acknowledged within `timeoutMs`.
    bool activateRunning(const QString& path = QString(), int timeoutMs = 3000);

signals:
    // Sent after the request was acknowledged, so a question the window then asks never keeps the
    // second start waiting. `path` is empty when there is nothing to open.
    void activationRequested(const QString& path);

private:
    void answerConnection();
    Claim giveUp();

    QString serverName_;
    QString failureReason_;
    QLocalServer* server_ = nullptr;
};

} // namespace platform
