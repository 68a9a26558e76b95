// Tests of the line a later start sends the running instance, in its current and earlier forms.
#include "platform/instance_message.h"
#include "platform/local_listener.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using platform::SingleInstance;
namespace message = platform::instance_message;

TEST(InstanceMessage, PathsAndTokensCrossUnchanged)
{
    for (const QString& path : {QString(), QStringLiteral("/pics/b.png"), QStringLiteral("/a b/line\nbreak%20.jpg"),
                                QStringLiteral("/夏/Ærø 🌊.png")}) {
        for (const QString& token :
             {QString(), QStringLiteral("kwin-12"), QStringLiteral("shell/Corvane/12 x_TIME9")}) {
            const message::Request request{path, token};
            const QByteArray line = message::encode(request);
            EXPECT_EQ(line.count('\n'), 1) << "one line, whatever the path holds";
            EXPECT_LE(line.size(), message::kMaxLineBytes);
            EXPECT_EQ(message::decode(line), std::optional(request));
        }
    }
    EXPECT_EQ(message::decode("activate"), std::nullopt) << "unfinished line";
    EXPECT_EQ(message::decode("activate \n"), std::nullopt);
    EXPECT_EQ(message::decode("open /x.png\n"), std::nullopt);
    EXPECT_EQ(message::decode("activate-token\n"), std::nullopt) << "a token word without a token";
    EXPECT_EQ(message::decode("activate-token  /x.png\n"), std::nullopt);
    EXPECT_EQ(message::decode("activate-token t /x.png y\n"), std::nullopt);
}

// The earlier form of the request, which running instances of an earlier version read, is still sent
// when there is no token; a token too long for a request is left out rather than cut.
TEST(InstanceMessage, WithoutATokenTheEarlierFormIsSent)
{
    EXPECT_EQ(message::encode({QStringLiteral("/p q.png"), QString()}), QByteArray("activate %2Fp%20q.png\n"));
    EXPECT_EQ(message::encode({}), QByteArray("activate\n"));
    const QString longToken(message::kMaxTokenBytes + 1, QLatin1Char('t'));
    EXPECT_EQ(message::encode({QStringLiteral("/p.png"), longToken}), QByteArray("activate %2Fp.png\n"));
    const QByteArray tooLong = "activate-token " + QByteArray(message::kMaxTokenBytes + 1, 't') + '\n';
    EXPECT_EQ(message::decode(tooLong), std::nullopt);
}

// A runtime folder of the test's own, so no running program and no other test shares the channel.
class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        // The channel's name then is the program's alone, whatever display the test run has.
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY"}) {
            savedDisplays.append({display, qgetenv(display)});
            qunsetenv(display);
        }
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", saved);
        for (const auto& [name, value] : savedDisplays) {
            if (!value.isEmpty())
                qputenv(name, value);
        }
    }

    // A later start in another thread hands `path` over while this thread serves the first.
    bool handOver(const QString& path, const QString& activationToken = QString())
    {
        std::atomic<bool> done = false;
        bool acknowledged = false;
        std::thread later([&] {
            SingleInstance second(QStringLiteral("corvane-test"));
            acknowledged = second.activateRunning({path, activationToken}, 5000);
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        later.join();
        return acknowledged;
    }

    QTemporaryDir runtime;
    QByteArray saved;
    QList<std::pair<const char*, QByteArray>> savedDisplays;
};

TEST_F(InstanceChannelTest, LaterStartHandsItsPictureToTheFirst)
{
    SingleInstance first(QStringLiteral("corvane-test"));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Claimed);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    const QString path = QStringLiteral("/pics/with space/é.png");
    ASSERT_TRUE(handOver(path));
    ASSERT_TRUE(handOver(QString()));
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0][0].toString(), path);
    EXPECT_EQ(requests[1][0].toString(), QString());

    SingleInstance second(QStringLiteral("corvane-test"));
    EXPECT_EQ(second.claim(), SingleInstance::Claim::AnotherRuns);
}

// The desktop raises the running window only with the token the later start was given.
TEST_F(InstanceChannelTest, LaterStartHandsItsActivationTokenToTheFirst)
{
    SingleInstance first(QStringLiteral("corvane-test"));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Claimed);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    const QString token = QStringLiteral("sway/corvane 7 %41");
    ASSERT_TRUE(handOver(QStringLiteral("/pics/a b.png"), token));
    ASSERT_TRUE(handOver(QString(), token));
    ASSERT_TRUE(handOver(QStringLiteral("/pics/c.png")));
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0][0].toString(), QStringLiteral("/pics/a b.png"));
    EXPECT_EQ(requests[0][1].toString(), token);
    EXPECT_EQ(requests[1][0].toString(), QString());
    EXPECT_EQ(requests[1][1].toString(), token);
    EXPECT_EQ(requests[2][1].toString(), QString());
}

// A running instance of an earlier version reads only the request without a token and closes on any
// other line: the later start asks again without its token, and the picture still gets there.
TEST_F(InstanceChannelTest, EarlierRunningVersionStillTakesThePicture)
{
    SingleInstance folderMaker(QStringLiteral("corvane-test")); // makes the channel's private folder
    QLocalServer earlier;
    ASSERT_TRUE(
        earlier.listen(runtime.filePath(QStringLiteral("corvane-test-%1/corvane-test.instance").arg(::getuid()))));
    QList<QByteArray> heard;
    QObject::connect(&earlier, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = earlier.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [socket, &heard] {
            if (!socket->canReadLine())
                return;
            heard.append(socket->readLine());
            if (heard.last() != "activate\n" && !heard.last().startsWith("activate ")) {
                socket->abort();
                return;
            }
            socket->write("ok\n");
            socket->flush();
        });
    });

    EXPECT_TRUE(handOver(QStringLiteral("/pics/old.png"), QStringLiteral("token-1")));
    ASSERT_EQ(heard.size(), 2);
    EXPECT_TRUE(heard[0].startsWith("activate-token token-1 "));
    EXPECT_EQ(heard[1], QByteArray("activate %2Fpics%2Fold.png\n"));
}

TEST_F(InstanceChannelTest, ChannelThatCannotBeSetUpSaysWhy)
{
    // Deeper than a local socket's address can hold.
    QString deep = runtime.path();
    while (deep.size() < 150)
        deep += QStringLiteral("/folder-with-a-long-name");
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));

    SingleInstance first(QStringLiteral("corvane-test"));
    EXPECT_EQ(first.claim(), SingleInstance::Claim::Unavailable);
    EXPECT_TRUE(first.failureReason().contains(QStringLiteral("corvane-test.instance")))
        << first.failureReason().toStdString();
    EXPECT_FALSE(first.activateRunning(QString(), 500));
}

// Connects a plain socket to the running instance's channel.
std::unique_ptr<QLocalSocket> connectRaw(const QString& runtime)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(runtime + QStringLiteral("/corvane-test-%1/corvane-test.instance").arg(::getuid()));
    EXPECT_TRUE(socket->waitForConnected(2000));
    QCoreApplication::processEvents(); // the running instance (this thread) accepts it
    return socket;
}

// Every start would otherwise share a name anyone can take in a shared folder: the channel lives in
// a folder of the user's own, checked before use, or is not set up at all.
TEST_F(InstanceChannelTest, ChannelOnlyInAFolderOfOurOwn)
{
    const QString ours = runtime.filePath(QStringLiteral("corvane-test-%1").arg(::getuid()));
    {
        SingleInstance first(QStringLiteral("corvane-test"));
        ASSERT_EQ(first.claim(), SingleInstance::Claim::Claimed);
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(ours).constData(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    const auto refused = [](const char* why) {
        SingleInstance instance(QStringLiteral("corvane-test"));
        EXPECT_EQ(instance.claim(), SingleInstance::Claim::Unavailable) << why;
        EXPECT_FALSE(instance.failureReason().isEmpty()) << why;
        EXPECT_FALSE(instance.activateRunning(QString(), 500)) << why;
    };
    ASSERT_EQ(::chmod(QFile::encodeName(ours).constData(), 0777), 0);
    refused("a folder others may enter");
    if (::getuid() == 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(ours).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(ours).constData(), 65534, 65534), 0);
        refused("a folder of another user");
    }
    ASSERT_TRUE(QDir(ours).removeRecursively());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), ours));
    refused("a link to somebody's folder");
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// A local process that floods the channel with idle connections and a line without end. The running
// program keeps answering starts.
TEST_F(InstanceChannelTest, FloodsNeitherStopNorSwampTheChannel)
{
    SingleInstance first(QStringLiteral("corvane-test"));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Claimed);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 200; ++i)
        idle.push_back(connectRaw(runtime.path()));
    std::unique_ptr<QLocalSocket> endless = connectRaw(runtime.path());
    endless->write(QByteArray(64 * 1024, 'x'));
    for (int i = 0; i < 50 && endless->state() == QLocalSocket::ConnectedState; ++i) {
        endless->waitForBytesWritten(10);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(handOver(QStringLiteral("/pics/after-the-flood.png")));
    EXPECT_EQ(endless->state(), QLocalSocket::UnconnectedState) << "a line longer than any path is cut off";
    idle.clear();
    endless.reset();
    for (int i = 0; i < 20; ++i) { // the running side lets go of the closed connections
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(requests.size(), 1);
}

// Every descriptor in use: the accept fails, and the channel must still be there afterwards.
TEST_F(InstanceChannelTest, RunningOutOfDescriptorsDoesNotStopTheChannel)
{
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' own checks open a pipe for each new type they verify, which fails once every
    // descriptor is taken, and report that as a fault of the code under test.
    GTEST_SKIP() << "not meaningful under the sanitizers: their checks need free descriptors";
#endif
    SingleInstance first(QStringLiteral("corvane-test"));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Claimed);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    // The later start's thread is made while descriptors are still free (making a thread may need one,
    // under the sanitizers too) and waits until they have run out.
    std::atomic<bool> starved = false;
    std::atomic<bool> done = false;
    bool acknowledged = false;
    std::thread later([&] {
        SingleInstance second(QStringLiteral("corvane-test"));
        while (!starved)
            std::this_thread::yield();
        acknowledged = second.activateRunning(QStringLiteral("/pics/starved.png"), 5000);
        done = true;
    });
    std::vector<int> hoard;
    for (int fd; (fd = ::dup(0)) >= 0;)
        hoard.push_back(fd);
    ::close(hoard.back()); // one left for the later start's socket
    hoard.pop_back();
    starved = true;
    for (int i = 0; i < 30; ++i) { // the start connects and waits while accepting fails
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    for (const int fd : hoard)
        ::close(fd);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    later.join();
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(acknowledged);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].toString(), QStringLiteral("/pics/starved.png"));
}

// A process of another user that reaches the socket (here one in an open folder) is never heard.
TEST(LocalListener, ConnectionOfAnotherUserIsClosedUnheard)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to connect as another user";
    QTemporaryDir open;
    ASSERT_EQ(::chmod(QFile::encodeName(open.path()).constData(), 0777), 0);
    const QString path = open.filePath(QStringLiteral("channel"));
    platform::LocalListener listener;
    ASSERT_TRUE(listener.listen(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
    int heard = 0;
    QObject::connect(&listener, &platform::LocalListener::connected, [&](QLocalSocket* socket) {
        ++heard;
        socket->deleteLater();
    });

    const QByteArray name = QFile::encodeName(path);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            ::_exit(3);
        char byte = 0;
        ::_exit(::read(fd, &byte, 1) == 0 ? 0 : 4); // 0: the listener closed it without a word
    }
    int status = -1;
    while (::waitpid(child, &status, WNOHANG) == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(heard, 0);

    QLocalSocket own;
    own.connectToServer(path);
    ASSERT_TRUE(own.waitForConnected(2000));
    for (int i = 0; i < 20 && heard == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(heard, 1) << "this user's own connection is heard";
}

} // namespace
