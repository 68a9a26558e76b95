// A listening local socket that keeps listening when the process runs out of descriptors for a moment.
#pragma once

#include <QObject>
#include <QString>

class QLocalSocket;
class QSocketNotifier;

namespace platform {

// A listening local socket that accepts connections itself. Running out of descriptors for a moment
// pauses it rather than closing it (the toolkit's own server stops listening for good on the first
// failed accept), and a connection from a process of another user is closed before anything is read.
class LocalListener final : public QObject {
    Q_OBJECT
public:
    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Listens at `path`; false when it cannot, with the reason in errorString(). `addressInUse` tells
    // that something already has the path.
    bool listen(const QString& path, bool* addressInUse = nullptr);
    QString errorString() const { return error_; }

signals:
    // A connection from a process of this user. The receiver owns the socket.
    void connected(QLocalSocket* socket);

private:
    void acceptPending();
    void pauseAccepting();

    int descriptor_ = -1;
    QString path_;
    QString error_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace platform
