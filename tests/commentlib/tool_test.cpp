// corvane-comment from the outside: commands, standard input, several files, and failures.
#include "comment_test_support.h"

#include <QFile>
#include <QFileInfo>
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

TEST_F(Tool, AFileNamedSeveralTimesIsWrittenOnceAndSucceeds)
{
    const QString link = folder.filePath("link.jpg");
    ASSERT_TRUE(QFile::link(second, link));
    const QString dotted = folder.path() + "/./second.jpg";
    const ProcessResult result = tool({"set", "once", second, second, dotted, link, first});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.count("the same file as " + second.toUtf8() + ", written once"), 3)
        << result.err.toStdString();
    EXPECT_EQ(readComment(second).text, "once");
    EXPECT_EQ(readComment(first).text, "once");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(otherEntries(folder.path(), {"first.png", "second.jpg", "link.jpg"}), QStringList());

    // A failure is said for every name of the file.
    writeFile(second, "no longer a picture");
    const ProcessResult failed = tool({"erase", second, link});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err.count(": not a supported picture"), 2) << failed.err.toStdString();
}

}

namespace {

// A picture larger than the memory the tool may have: one clear line per file, and the rest still done.
// Big files that are no pictures at all are told apart without reading them.
TEST_F(Tool, PictureBeyondTheMemoryAtHandIsReportedNotFatal)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the address and thread sanitizers cannot run within a limit on address space";
#endif
    const QString prlimit = findProgram("prlimit");
    if (prlimit.isEmpty())
        GTEST_SKIP() << "prlimit is not installed";
    const QString huge = folder.filePath("huge.tif");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // A header whose first directory lies at the far end of a sparse 3 GB file.
        file.write(QByteArray("II*\0\xF0\xFF\xFF\xBF", 8));
        ASSERT_TRUE(file.resize(qint64(3) << 30));
    }
    const QStringList limited{"--as=1000000000", toolPath()};
    const ProcessResult read = run(prlimit, limited + QStringList{"get", huge});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.err.contains("huge.tif: out of memory")) << read.err.toStdString();
    const ProcessResult written = run(prlimit, limited + QStringList{"set", "trip", huge, first});
    EXPECT_EQ(written.exitCode, 1);
    EXPECT_EQ(written.err.count('\n'), 1) << written.err.toStdString();
    EXPECT_EQ(readComment(first).text, "trip");
    // What is not a picture shows in its first bytes; the rest is never read, so memory does not matter.
    const QString video = folder.filePath("video.jpg");
    {
        QFile file(video);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(3) << 30));
    }
    const ProcessResult notPicture = run(prlimit, limited + QStringList{"get", video});
    EXPECT_TRUE(notPicture.err.contains("video.jpg: not a supported picture")) << notPicture.err.toStdString();
}

}
