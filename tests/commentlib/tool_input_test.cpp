// corvane-comment refuses texts it cannot store faithfully and says so, instead of erasing or cutting the
// comment and reporting success; and it notices when its own output cannot be written.
#include "comment_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

class ToolInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.filePath("kept.jpg");
        writeFile(path, fixture(Format::Jpeg));
        ASSERT_EQ(setComment(path, "the old comment"), 0);
    }

    // Runs the tool through the shell, for bytes no argument list of ours can carry and redirections.
    ProcessResult shell(const QString& script, const QByteArray& input = {})
    {
        return run("/bin/sh", {"-c", script, toolPath(), path}, input);
    }

    void expectKept(const ProcessResult& result, const char* reason)
    {
        EXPECT_EQ(result.exitCode, 1) << reason << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(reason)) << result.err.toStdString();
        EXPECT_EQ(readComment(path).text, "the old comment") << reason;
    }

    QTemporaryDir folder;
    QString path;
};

TEST_F(ToolInput, TextThatIsNotUtf8IsRefusedNotTakenForAnErase)
{
    expectKept(shell(R"sh(exec "$0" set "$(printf '\200\200')" "$1")sh"), "not valid UTF-8");
    expectKept(shell(R"sh(exec "$0" set "$(printf 'caf\351')" "$1")sh"), "not valid UTF-8");
}

TEST_F(ToolInput, NulOnStandardInputIsRefused)
{
    expectKept(run(toolPath(), {"set", "-", path}, QByteArray("abc\0def", 7)), "NUL");
    expectKept(run(toolPath(), {"set", "-", path}, QByteArray("\0abc", 4)), "NUL");
}

TEST_F(ToolInput, UnreadableStandardInputIsAnError)
{
    expectKept(shell(R"sh(exec "$0" set - "$1" <&-)sh"), "cannot read the text from standard input");
    expectKept(shell(R"sh(exec "$0" set - "$1" < /)sh"), "cannot read the text from standard input");
}

TEST_F(ToolInput, EndlessStandardInputStopsAtTheLimit)
{
    expectKept(shell(R"sh(exec "$0" set - "$1" < /dev/zero)sh"), "longer than the 16 MiB");
}

TEST_F(ToolInput, FailedWritesToStandardOutputAreReported)
{
    const ProcessResult result = shell(R"sh(exec "$0" get "$1" > /dev/full)sh");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("cannot write to standard output: No space left on device"))
        << result.err.toStdString();
}

TEST_F(ToolInput, DoubleDashEndsTheOptions)
{
    const QString dashed = folder.filePath("-x.jpg");
    writeFile(dashed, fixture(Format::Png));
    const auto inFolder = [&](const QString& arguments) {
        return run("/bin/sh", {"-c", "cd \"$1\" && exec \"$0\" " + arguments, toolPath(), folder.path()});
    };
    const ProcessResult refused = inFolder("get -x.jpg");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("unknown option '-x.jpg'"));
    EXPECT_EQ(inFolder("set -- '-dash text' -x.jpg").exitCode, 0);
    EXPECT_EQ(inFolder("get -- -x.jpg").out, "-dash text\n");
    EXPECT_EQ(inFolder("erase -- -x.jpg").exitCode, 0);
    EXPECT_EQ(readComment(dashed).text, "");
}

TEST_F(ToolInput, StandardInputWithoutAFileIsAUsageError)
{
    const ProcessResult result = run(toolPath(), {"set", "-"}, "text");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("set needs at least one file"));
    EXPECT_FALSE(QFile::exists(folder.filePath("-")));
}

}
