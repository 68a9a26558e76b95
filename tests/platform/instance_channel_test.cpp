#include "platform/instance_message.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using platform::SingleInstance;
namespace message = platform::instance_message;

TEST(InstanceMessage, PathsCrossUnchanged)
{
    for (const QString& path : {QString(), QStringLiteral("/pics/b.png"), QStringLiteral("/a b/line\nbreak%20.jpg"),
                                QStringLiteral("/夏/Ærø 🌊.png")}) {
        const QByteArray line = message::encode(path);
        EXPECT_EQ(line.count('\n'), 1) << "one line, whatever the path holds";
        EXPECT_EQ(message::decode(line), std::optional<QString>(path));
    }
    EXPECT_EQ(message::decode("activate"), std::nullopt) << "unfinished line";
    EXPECT_EQ(message::decode("activate \n"), std::nullopt);
    EXPECT_EQ(message::decode("open /x.png\n"), std::nullopt);
}

// A runtime folder of the test's own, so no running program and no other test shares the channel.
class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved); }

    // A later start in another thread hands `path` over while this thread serves the first.
    bool handOver(const QString& path)
    {
        std::atomic<bool> done = false;
        bool acknowledged = false;
        std::thread later([&] {
            SingleInstance second(QStringLiteral("corvane-test"));
            acknowledged = second.activateRunning(path, 5000);
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        later.join();
        return acknowledged;
    }

    QTemporaryDir runtime;
    QByteArray saved;
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

} // namespace
