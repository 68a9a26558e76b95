// corvane-comment from the outside: commands, standard input, several files, and failures.
#include "comment_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

class Tool : public ::testing::Test {
protected:
    void SetUp() override
    {
        first = folder.filePath("first.png");
        second = folder.filePath("second.jpg");
        writeFile(first, fixture(Format::Png));
        writeFile(second, fixture(Format::Jpeg));
    }

    ProcessResult tool(const QStringList& arguments, const QByteArray& input = {})
    {
        return run(toolPath(), arguments, input);
    }

    QTemporaryDir folder;
    QString first;
    QString second;
};

TEST_F(Tool, HelpAndUsageErrors)
{
    const ProcessResult help = tool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("get FILE..."));
    EXPECT_EQ(tool({}).exitCode, 2);
    const ProcessResult unknown = tool({"frobnicate", first});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("frobnicate"));
    EXPECT_EQ(tool({"get"}).exitCode, 2);
}

TEST_F(Tool, SetGetAndEraseSeveralFiles)
{
    ASSERT_EQ(tool({"set", "shared text", first, second}).exitCode, 0);
    EXPECT_EQ(tool({"get", first}).out, "shared text\n");
    EXPECT_EQ(tool({"get", first, second}).out,
              "==> " + first.toUtf8() + " <==\nshared text\n==> " + second.toUtf8() + " <==\nshared text\n");
    ASSERT_EQ(tool({"erase", first, second}).exitCode, 0);
    EXPECT_EQ(tool({"get", second}).out, "\n");
    EXPECT_EQ(readComment(first).text, "");
}

TEST_F(Tool, TextFromStandardInputIsKeptByteForByte)
{
    const QByteArray text = "line one\r\nline two \xC3\xA9\n";
    ASSERT_EQ(tool({"set", "-", first, second}, text).exitCode, 0);
    EXPECT_EQ(readComment(first).text, text.toStdString());
    EXPECT_EQ(readComment(second).text, text.toStdString());
    ASSERT_EQ(tool({"set", first}, "only a file named").exitCode, 0);
    EXPECT_EQ(readComment(first).text, "only a file named");
}

TEST_F(Tool, EmptyTextErases)
{
    ASSERT_EQ(tool({"set", "something", first}).exitCode, 0);
    ASSERT_EQ(tool({"set", "", first}).exitCode, 0);
    EXPECT_EQ(readComment(first).text, "");
}

TEST_F(Tool, FailureNamesTheFileAndTheReasonButOtherFilesAreDone)
{
    const QString missing = folder.filePath("missing.gif");
    const QString text = folder.filePath("text.jpg");
    writeFile(text, "not a picture");
    const ProcessResult result = tool({"set", "partial", missing, first, text});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(missing.toUtf8() + ": no such file")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(text.toUtf8() + ": not a supported picture")) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(first.toUtf8()));
    EXPECT_EQ(readComment(first).text, "partial");
    EXPECT_EQ(tool({"get", missing}).exitCode, 1);
}

}
