// Tests of the single-instance check with two real starts of the program.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

namespace {

// Two real starts of the program, sharing one runtime folder as two starts by one user do.
class SecondInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    void TearDown() override
    {
        first.kill();
        first.waitForFinished();
    }

    void start(QProcess& process, const QStringList& arguments = {})
    {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CORVANE_BIN_DIR "/corvane"), arguments);
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    // The first start is ready once its socket answers; poll instead of sleeping a fixed time.
    void waitUntilListening()
    {
        QElapsedTimer timer;
        timer.start();
        const QDir channel(runtime.filePath(QStringLiteral("corvane-%1").arg(::getuid())));
        while (channel.entryList({QStringLiteral("*.instance")}, QDir::System).isEmpty()) {
            ASSERT_LT(timer.elapsed(), 10000) << "the first start never claimed the instance";
            QThread::msleep(20);
        }
    }

    QByteArray runAlone(const QString& runtimeFolder);

    QTemporaryDir runtime;
    QProcessEnvironment environment;
    QProcess first;
};

TEST_F(SecondInstanceTest, SecondStartHandsOverToTheFirstAndExits)
{
    start(first);
    waitUntilListening();

    QProcess second;
    start(second, {QStringLiteral("/some/picture.jpg")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << "the running program acknowledged the hand-over";
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SecondInstanceTest, OneRunningProgramPerDisplay)
{
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
    start(first);
    waitUntilListening();

    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1"));
    QProcess elsewhere;
    start(elsewhere);
    EXPECT_FALSE(elsewhere.waitForFinished(1500)) << "a start for another display opens its own window";
    elsewhere.kill();
    elsewhere.waitForFinished();

    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0.0"));
    QProcess sameDisplay;
    start(sameDisplay, {QStringLiteral("/some/picture.jpg")});
    ASSERT_TRUE(sameDisplay.waitForFinished(10000)) << "the same display, written with its screen, meets the first";
    EXPECT_EQ(sameDisplay.exitCode(), 0);
}

TEST_F(SecondInstanceTest, StartAfterTheFirstDiedTakesOver)
{
    start(first);
    waitUntilListening();
    first.kill(); // leaves its socket file behind
    first.waitForFinished();

    QProcess next;
    start(next);
    EXPECT_FALSE(next.waitForFinished(1500)) << "a stale socket must not make the new start give up";
    next.kill();
    next.waitForFinished();
}

TEST_F(SecondInstanceTest, UnknownOptionIsAUsageError)
{
    start(first, {QStringLiteral("--frobnicate")});
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 2);
    EXPECT_TRUE(first.readAllStandardError().contains("unknown option --frobnicate"));
}

// Runs the program alone on `runtimeFolder`; its standard error once it has been running a while.
QByteArray SecondInstanceTest::runAlone(const QString& runtimeFolder)
{
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    QProcess lone;
    start(lone);
    EXPECT_FALSE(lone.waitForFinished(1500)) << "the program must run: " << runtimeFolder.toStdString();
    lone.kill();
    lone.waitForFinished();
    return lone.readAllStandardError();
}

TEST_F(SecondInstanceTest, StartsWhenTheChannelCannotBeSetUpAndSaysWhyInOneLine)
{
    // Longer than a local socket's address can hold.
    const QString deep = runtime.path() + QStringLiteral("/") + QString(120, u'x');
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QList<QByteArray> lines = runAlone(deep).split('\n');
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const QByteArray& line) {
                                return line.startsWith("corvane: cannot tell whether another instance runs");
                            }),
              1);
}

TEST_F(SecondInstanceTest, StartsWithoutItsRuntimeFolder)
{
    runAlone(runtime.filePath(QStringLiteral("never/made")));
}

} // namespace
