// Other programs read what we write, we read what they write, and none of them sees a changed pixel.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

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
        // Where a caption field is read before the comment, exiftool writes every one of them.
        const QString option =
            (format == Format::Gif ? "-Comment=" : "-MWG:Description=") + QString::fromStdString(kText);
        ASSERT_EQ(run(exiftool, {"-q", "-q", "-overwrite_original", option, path}).exitCode, 0);
        // EXIF, read first in a PNG's eXIf chunk as in a JPEG, keeps the line break as written.
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

// What each strict reader makes of a file: ImageMagick's pixel signature (through identify, and through
// convert decoding it into a fresh file) and a digest of the pixels Pillow decodes.
struct Readings {
    QByteArray identified;
    QByteArray converted;
    QByteArray pillow;
};

constexpr char kPillowDigest[] =
    "import hashlib, sys\n"
    "from PIL import Image\n"
    "with Image.open(sys.argv[1]) as picture:\n"
    "    picture.load()\n"
    "    print(picture.mode, picture.size, hashlib.sha256(picture.tobytes()).hexdigest())\n";

TEST_F(Interop, StrictReadersOpenEveryFormatAfterSetAndErase)
{
    const QString identify = requireProgram("identify"), convert = requireProgram("convert");
    const QString python = requireProgram("python3");
    if (identify.isEmpty() || convert.isEmpty() || python.isEmpty())
        GTEST_SKIP() << skipReason;
    if (run(python, {"-c", "import PIL"}).exitCode != 0)
        GTEST_SKIP() << "Pillow is not installed";
    const auto readAll = [&](const QString& path) {
        const QString copy = folder.filePath("decoded.miff");
        const ProcessResult identified = run(identify, {"-format", "%#", path});
        const ProcessResult converted = run(convert, {path, copy});
        const ProcessResult pillow = run(python, {"-c", kPillowDigest, path});
        EXPECT_EQ(identified.exitCode, 0) << path.toStdString() << ": " << identified.err.toStdString();
        EXPECT_EQ(converted.exitCode, 0) << path.toStdString() << ": " << converted.err.toStdString();
        EXPECT_EQ(pillow.exitCode, 0) << path.toStdString() << ": " << pillow.err.toStdString();
        return Readings{identified.out, run(identify, {"-format", "%#", copy}).out, pillow.out};
    };
    for (Format format : {Format::Jpeg, Format::Png, Format::Gif, Format::Tiff, Format::TiffBigEndian, Format::Bmp}) {
        const QString path = picture(format);
        const std::string name = formatName(format).toStdString();
        const Readings before = readAll(path);
        ASSERT_FALSE(before.identified.isEmpty()) << name;
        ASSERT_FALSE(before.pillow.isEmpty()) << name;
        for (const std::string& step : {std::string("set"), std::string("erase")}) {
            ASSERT_EQ(step == "set" ? setComment(path, kText) : eraseComment(path), CORVANE_OK) << name;
            const Readings after = readAll(path);
            EXPECT_EQ(after.identified, before.identified) << name << " after " << step;
            EXPECT_EQ(after.converted, before.converted) << name << " after " << step;
            EXPECT_EQ(after.pillow, before.pillow) << name << " after " << step;
        }
    }
}

}
