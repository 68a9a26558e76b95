#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

// One running program per user. The first start claims a local socket; a later start finds it,
// asks the running program to bring its window forward, and learns whether it did.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // `key` names the program; the socket lives in the user's runtime folder.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running instance.
    bool claim();
    // Asks the running instance to come forward; true once it acknowledged within `timeoutMs`.
    bool activateRunning(int timeoutMs = 3000);

signals:
    void activationRequested();

private:
    void answerConnection();

    QString serverName_;
    QLocalServer* server_ = nullptr;
};

} // namespace platform
