// Every container keeps what is written byte for byte and leaves the picture itself alone.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::string kTwoLines = "first line\r\nsecond line";
const std::string kNonAscii = "Gr\xC3\xBC\xC3\x9F"
                              "e \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7 `tick`";

std::string longComment()
{
    // 80000 bytes of three-byte characters and line breaks: more than a JPEG segment, a GIF sub-block and
    // a TIFF inline value can hold, with character boundaries that never line up with those limits.
    std::string text;
    while (text.size() + 3 <= 80000)
        text += (text.size() % 997 < 5) ? "\r\n" : "\xE2\x82\xAC";
    return text + std::string(80000 - text.size(), '!');
}

class RoundTrip : public ::testing::TestWithParam<Format> {
protected:
    void SetUp() override
    {
        path = folder.filePath(QString("picture.") + extension(GetParam()));
        original = fixture(GetParam());
        ASSERT_FALSE(original.isEmpty());
        writeFile(path, original);
    }

    // A JPEG's EXIF and XMP segments cannot hold a text longer than a segment: the rest still do, and the
    // status says so.
    int32_t expectedSetStatus(const std::string& text) const
    {
        return GetParam() == Format::Jpeg && text.size() > 65000 ? CORVANE_PARTIAL : CORVANE_OK;
    }

    void expectStoredAs(const std::string& text)
    {
        ASSERT_EQ(setComment(path, text), expectedSetStatus(text));
        const Comment read = readComment(path);
        EXPECT_EQ(read.status, int32_t(text.size()));
        EXPECT_EQ(read.text, text);
    }

    QTemporaryDir folder;
    QString path;
    QByteArray original;
};

TEST_P(RoundTrip, FileWithoutCommentReadsEmpty)
{
    const Comment read = readComment(path);
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.text, "");
}

TEST_P(RoundTrip, KeepsLineBreaksNonAsciiAndLongTexts)
{
    expectStoredAs("short");
    expectStoredAs(kTwoLines);
    expectStoredAs(kNonAscii);
    expectStoredAs(longComment());
    expectStoredAs("x");
}

TEST_P(RoundTrip, SettingReplacesInsteadOfAdding)
{
    expectStoredAs(longComment());
    const qint64 sizeWithLong = readFile(path).size();
    expectStoredAs("tiny");
    EXPECT_LT(readFile(path).size(), sizeWithLong - 70000);
}

TEST_P(RoundTrip, EraseLeavesNoComment)
{
    expectStoredAs(kNonAscii);
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "");
}

TEST_P(RoundTrip, PixelsNeverChange)
{
    const QImage before = QImage::fromData(original);
    ASSERT_FALSE(before.isNull());
    expectStoredAs(longComment());
    EXPECT_EQ(QImage(path), before);
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(QImage(path), before);
}

TEST_P(RoundTrip, EditorSaveSequenceRewritesTheComment)
{
    // The editor saves by erasing and then writing the whole text.
    expectStoredAs("old text");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    expectStoredAs(kTwoLines);
}

TEST_P(RoundTrip, RepeatedEditsDoNotGrowTheFile)
{
    expectStoredAs("first");
    const qint64 size = readFile(path).size();
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        expectStoredAs("first");
    }
    EXPECT_EQ(readFile(path).size(), size);
}

INSTANTIATE_TEST_SUITE_P(Containers, RoundTrip,
                         ::testing::Values(Format::Jpeg, Format::Png, Format::Gif, Format::Tiff, Format::TiffBigEndian,
                                           Format::Bmp),
                         [](const auto& info) { return formatName(info.param).toStdString(); });

class SetThenErase : public RoundTrip {};

TEST_P(SetThenErase, GivesBackTheOriginalBytes)
{
    for (const std::string& text : {kTwoLines, kNonAscii, longComment()}) {
        ASSERT_EQ(setComment(path, text), expectedSetStatus(text));
        ASSERT_NE(readFile(path), original);
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readFile(path), original);
    }
}

INSTANTIATE_TEST_SUITE_P(Containers, SetThenErase,
                         ::testing::Values(Format::Jpeg, Format::Png, Format::Gif, Format::Bmp),
                         [](const auto& info) { return formatName(info.param).toStdString(); });

}
