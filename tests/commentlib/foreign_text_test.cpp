// Comments other programs wrote in Windows-1252 or with NUL bytes reach callers as clean UTF-8, in every
// container.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "commentlib/fields/foreign_text.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

TEST(Windows1252, EveryHighByteBecomesItsCharacter)
{
    EXPECT_EQ(corvane::fromWindows1252("caf\xE9 \x80 \x9F \xFF"), "caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8 \xC3\xBF");
    EXPECT_EQ(corvane::fromWindows1252("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(corvane::fromWindows1252("\x85\x99\x8C"), "\xE2\x80\xA6\xE2\x84\xA2\xC5\x92");
}

TEST(Windows1252, OnlyTextThatIsNotUtf8IsConverted)
{
    EXPECT_EQ(corvane::handedOver("already \xC3\xA9"), "already \xC3\xA9");
    EXPECT_EQ(corvane::handedOver("mixed \xC3\xA9 and \xE9"), "mixed \xC3\x83\xC2\xA9 and \xC3\xA9");
    EXPECT_EQ(corvane::handedOver(std::string_view("cut\0\xE9hidden", 11)), "cut");
}

class ForeignComments : public ::testing::TestWithParam<Format> {
protected:
    // Writes a placeholder through the library, then swaps it for the foreign bytes of the same length, as
    // another program would have stored them (none of these containers checksums its comment).
    QString withStoredComment(const QByteArray& stored)
    {
        const QString path = folder.filePath(QString("foreign.") + extension(GetParam()));
        writeFile(path, fixture(GetParam()));
        const QByteArray placeholder(stored.size(), 'Z');
        EXPECT_EQ(setComment(path, placeholder.toStdString()), CORVANE_OK);
        QByteArray bytes = readFile(path);
        const qsizetype at = bytes.indexOf(placeholder);
        EXPECT_GE(at, 0);
        bytes.replace(at, stored.size(), stored);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_P(ForeignComments, Windows1252TextReadsWithItsAccents)
{
    const QString path = withStoredComment("Fran\xE7ois \x96 caf\xE9 \x80 10");
    const Comment read = readComment(path);
    EXPECT_EQ(read.text, "Fran\xC3\xA7ois \xE2\x80\x93 caf\xC3\xA9 \xE2\x82\xAC 10");
    EXPECT_EQ(read.status, int32_t(read.text.size()));
    const ProcessResult got = run(toolPath(), {"get", path});
    EXPECT_EQ(got.out.toStdString(), read.text + "\n");
}

TEST_P(ForeignComments, NulBytesNeverReachTheCaller)
{
    const QString path = withStoredComment(QByteArray("kept\0dropped", 12));
    EXPECT_EQ(readComment(path).text, "kept");
    const ProcessResult got = run(toolPath(), {"get", path});
    EXPECT_EQ(got.out, "kept\n");
}

INSTANTIATE_TEST_SUITE_P(Containers, ForeignComments,
                         ::testing::Values(Format::Jpeg, Format::Gif, Format::Tiff, Format::TiffBigEndian, Format::Bmp),
                         [](const auto& info) { return formatName(info.param).toStdString(); });

TEST(ForeignJpegComment, Latin1CommentWrittenByExiftoolReadsWithItsAccents)
{
    const QString exiftool = findProgram("exiftool");
    if (exiftool.isEmpty())
        GTEST_SKIP() << "exiftool is not installed";
    QTemporaryDir folder;
    const QString path = folder.filePath("latin1.jpg"), text = folder.filePath("latin1.txt");
    writeFile(path, fixture(Format::Jpeg));
    writeFile(text, "R\xE9union \xE0 Z\xFCrich, \xA9 2026");
    ASSERT_EQ(run(exiftool, {"-q", "-overwrite_original", "-Comment<=" + text, path}).exitCode, 0);
    ASSERT_TRUE(readFile(path).contains("R\xE9union"));
    EXPECT_EQ(readComment(path).text, "R\xC3\xA9union \xC3\xA0 Z\xC3\xBCrich, \xC2\xA9 2026");
}

}
