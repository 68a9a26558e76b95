// Other programs read what we write, we read what they write, and none of them sees a changed pixel.
#include "comment_test_support.h"

#include "corvane.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::string kText = "first line\r\nsecond line \xC3\xA9\xE2\x82\xAC\xE6\x97\xA5 `tick`";
const std::string kAsciiText = "first line\r\nsecond line, plain";

class Interop : public ::testing::Test {
protected:
    QString picture(Format format)
    {
        const QString path = folder.filePath(formatName(format) + "." + extension(format));
        writeFile(path, fixture(format));
        return path;
    }

    QString requireProgram(const QString& name)
    {
        const QString program = findProgram(name);
        if (program.isEmpty())
            skipReason = name.toStdString() + " is not installed";
        return program;
    }

    QTemporaryDir folder;
    std::string skipReason;
};

TEST_F(Interop, ExiftoolReadsExactlyWhatWeWrote)
{
    const QString exiftool = requireProgram("exiftool");
    if (exiftool.isEmpty())
        GTEST_SKIP() << skipReason;
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif, Format::Tiff, Format::TiffBigEndian}) {
        const QString path = picture(format);
        ASSERT_EQ(setComment(path, kText), CORVANE_OK);
        const bool tiff = format == Format::Tiff || format == Format::TiffBigEndian;
        const ProcessResult read = run(exiftool, {"-b", tiff ? "-ImageDescription" : "-Comment", path});
        EXPECT_EQ(read.out.toStdString(), kText) << formatName(format).toStdString();
    }
}

TEST_F(Interop, ImageMagickReadsWhatWeWrote)
{
    const QString identify = requireProgram("identify");
    if (identify.isEmpty())
        GTEST_SKIP() << skipReason;
    for (Format format : {Format::Jpeg, Format::Gif}) {
        const QString path = picture(format);
        ASSERT_EQ(setComment(path, kText), CORVANE_OK);
        EXPECT_EQ(run(identify, {"-format", "%c", path}).out.toStdString(), kText) << formatName(format).toStdString();
    }
    const QString png = picture(Format::Png);
    ASSERT_EQ(setComment(png, kAsciiText), CORVANE_OK);
    EXPECT_EQ(run(identify, {"-format", "%c", png}).out.toStdString(), kAsciiText);
}

TEST_F(Interop, WeReadWhatExiftoolWrote)
{
    const QString exiftool = requireProgram("exiftool");
    if (exiftool.isEmpty())
        GTEST_SKIP() << skipReason;
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif}) {
        const QString path = picture(format);
        ASSERT_EQ(setComment(path, "ours, to be replaced"), CORVANE_OK);
        const QString option = "-Comment=" + QString::fromStdString(kText);
        ASSERT_EQ(run(exiftool, {"-q", "-q", "-overwrite_original", option, path}).exitCode, 0);
        EXPECT_EQ(readComment(path).text, kText) << formatName(format).toStdString();
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(run(exiftool, {"-b", "-Comment", path}).out, "") << formatName(format).toStdString();
    }
}

TEST_F(Interop, WeReadWhatImageMagickWrote)
{
    const QString convert = requireProgram("convert");
    if (convert.isEmpty())
        GTEST_SKIP() << skipReason;
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif, Format::Tiff}) {
        const QString source = picture(format);
        const QString written = folder.filePath(QString("magick.") + extension(format));
        ASSERT_EQ(run(convert, {source, "-set", "comment", QString::fromStdString(kAsciiText), written}).exitCode, 0);
        EXPECT_EQ(readComment(written).text, kAsciiText) << formatName(format).toStdString();
        ASSERT_EQ(setComment(written, kText), CORVANE_OK);
        EXPECT_EQ(readComment(written).text, kText) << formatName(format).toStdString();
    }
}

TEST_F(Interop, PixelSignatureSurvivesSetAndErase)
{
    const QString identify = requireProgram("identify");
    if (identify.isEmpty())
        GTEST_SKIP() << skipReason;
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif, Format::Tiff, Format::TiffBigEndian, Format::Bmp}) {
        const QString path = picture(format);
        // ImageMagick reports any bytes after a bitmap's declared size, where our BMP trailer lives, as an
        // error even though it decodes the pixels; this define asks it to accept them.
        const QStringList arguments{"-define", "bmp:ignore-filesize=true", "-format", "%#", path};
        const ProcessResult before = run(identify, arguments);
        ASSERT_EQ(before.exitCode, 0) << before.err.toStdString();
        ASSERT_EQ(setComment(path, kText), CORVANE_OK);
        const ProcessResult withComment = run(identify, arguments);
        EXPECT_EQ(withComment.exitCode, 0) << withComment.err.toStdString();
        EXPECT_EQ(withComment.out, before.out) << formatName(format).toStdString();
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(run(identify, arguments).out, before.out) << formatName(format).toStdString();
    }
}

}
