#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

// Runs the editor as a terminal without any display would.
QProcess* runWithoutDisplay(QProcess& process, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVANE_BIN_DIR "/corvane"), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    return &process;
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAnyDisplay)
{
    for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"b.png", "--help"}}) {
        QProcess process;
        runWithoutDisplay(process, arguments);
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments.join(u' ').toStdString();
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray out = process.readAllStandardOutput();
        EXPECT_TRUE(out.startsWith("usage: corvane")) << out.toStdString();
        EXPECT_TRUE(out.contains("FOLDER"));
        EXPECT_TRUE(process.readAllStandardError().isEmpty());
    }

    QProcess version;
    runWithoutDisplay(version, {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode(), 0);
    EXPECT_TRUE(version.readAllStandardOutput().startsWith("corvane "));

    QProcess named;
    runWithoutDisplay(named, {QStringLiteral("--"), QStringLiteral("--help")});
    EXPECT_FALSE(named.readAllStandardOutput().startsWith("usage:")) << "after \"--\" it is a picture's name";
}

} // namespace
