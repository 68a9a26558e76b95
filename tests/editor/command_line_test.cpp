// The editor's --help and --version, answered without a display.
#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, HelpAndVersionAnswerWithoutAnyDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& [option, answer] : {std::pair{"--help", "usage: corvane"}, std::pair{"--version", "corvane 1"}}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CORVANE_BIN_DIR "/corvane"), {QString::fromLatin1(option)});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(process.exitCode(), 0) << option;
        EXPECT_TRUE(process.readAllStandardOutput().startsWith(answer)) << option;
    }
}

} // namespace
