// JPEG XL files as cjxl makes them (a bare codestream, a boxed one, one that rebuilds the JPEG it was made from) take
// a caption, give it to exiftool, take exiftool's, and keep every pixel; a file that rebuilds a JPEG still rebuilds it,
// caption included; what cannot be edited safely is refused and left as it was.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::vector<std::string> kCaptions = {"harbour at dawn", "first line\nsecond line\r\nthird",
                                            "caf\xC3\xA9 \xF0\x9F\x98\x80 \xE6\x97\xA5"};

class JxlFiles : public FolderTest {
protected:
    void SetUp() override
    {
        for (const char* tool : {"cjxl", "djxl", "exiftool"})
            if (findProgram(tool).isEmpty())
                GTEST_SKIP() << tool << " is needed";
    }

    QString picture(const QString& name, const char* format)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, format, 90));
        return path;
    }

    QString encoded(const QString& source, const QString& name, const QStringList& options = {})
    {
        const QString path = folder.filePath(name + ".jxl");
        const ProcessResult result = run(findProgram("cjxl"), options + QStringList{source, path});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return path;
    }

    // A JPEG with a caption in EXIF and XMP, as a camera or a photo manager leaves it.
    QString captionedJpeg()
    {
        const QString path = picture("captioned.jpg", "JPEG");
        exiftool({"-q", "-overwrite_original", "-EXIF:ImageDescription=from the camera",
                  "-XMP-dc:Description=from the camera", path});
        return path;
    }

    ProcessResult exiftool(const QStringList& arguments) { return run(findProgram("exiftool"), arguments); }

    // What exiftool reads as our caption: ImageDescription and dc:description, each as stored, one a line.
    std::string captionsFor(const QString& path)
    {
        std::string captions;
        for (const char* tag : {"-EXIF:ImageDescription", "-XMP-dc:Description"})
            if (const QByteArray text = exiftool({"-b", tag, path}).out; !text.isEmpty())
                captions += text.toStdString() + "\n";
        return captions;
    }

    QByteArray pixels(const QString& path)
    {
        const QString out = folder.filePath("pixels.ppm");
        EXPECT_EQ(run(findProgram("djxl"), {path, out}).exitCode, 0) << path.toStdString();
        return readFile(out);
    }

    // The JPEG djxl rebuilds from the file, and whether it rebuilt it rather than encoding the pixels anew.
    QByteArray rebuiltJpeg(const QString& path, bool& rebuilt)
    {
        const QString out = folder.filePath("rebuilt.jpg");
        const ProcessResult result = run(findProgram("djxl"), {path, out});
        rebuilt = result.exitCode == 0 && (result.out + result.err).contains("Reconstructed to JPEG");
        return readFile(out);
    }
};

TEST_F(JxlFiles, CaptionsRoundTripAndKeepEveryPixel)
{
    const QString png = picture("plain.png", "PNG");
    for (const QString& path : {encoded(png, "bare"), encoded(png, "boxed", {"--container=1"})}) {
        const QByteArray before = pixels(path);
        ASSERT_FALSE(before.isEmpty());
        for (const std::string& caption : kCaptions) {
            ASSERT_EQ(setComment(path, caption), CORVANE_OK) << path.toStdString();
            EXPECT_EQ(readComment(path).text, caption);
            EXPECT_EQ(captionsFor(path), caption + "\n" + caption + "\n") << path.toStdString();
            EXPECT_EQ(pixels(path), before) << path.toStdString();
        }
        EXPECT_EQ(exiftool({"-validate", "-warning", "-a", "-s", "-s", "-s", path}).out, "OK\n");
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readComment(path).text, "");
        EXPECT_EQ(captionsFor(path), "") << path.toStdString();
        EXPECT_EQ(pixels(path), before) << path.toStdString();
    }
}

TEST_F(JxlFiles, AFileMadeFromAJpegRebuildsItWithTheNewCaption)
{
    const QString jpeg = captionedJpeg();
    const QString path = encoded(jpeg, "from-jpeg");
    ASSERT_TRUE(readFile(path).contains("brob")) << "cjxl no longer compresses the JPEG's metadata";
    EXPECT_EQ(readComment(path).text, "from the camera");
    bool rebuilt = false;
    const QByteArray original = rebuiltJpeg(path, rebuilt);
    ASSERT_TRUE(rebuilt);
    for (const std::string& caption : kCaptions) {
        EXPECT_GE(setComment(path, caption), CORVANE_OK);
        EXPECT_EQ(readComment(path).text, caption);
        // One plain caption: the compressed boxes are gone, and no field still holds the old text.
        EXPECT_FALSE(readFile(path).contains("brob"));
        EXPECT_EQ(captionsFor(path).find("camera"), std::string::npos);
        const QByteArray jpegNow = rebuiltJpeg(path, rebuilt);
        EXPECT_TRUE(rebuilt) << caption;
        EXPECT_EQ(jpegNow.size(), original.size());
        const QString rebuiltPath = store("rebuilt-copy.jpg", jpegNow);
        EXPECT_EQ(exiftool({"-b", "-use", "MWG", "-MWG:Description", rebuiltPath}).out.toStdString(), caption);
        EXPECT_EQ(QImage(rebuiltPath), QImage(jpeg));
    }
    ASSERT_GE(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "");
    EXPECT_EQ(captionsFor(path), "");
    const QString rebuiltPath = store("erased.jpg", rebuiltJpeg(path, rebuilt));
    EXPECT_TRUE(rebuilt);
    EXPECT_EQ(exiftool({"-b", "-use", "MWG", "-MWG:Description", rebuiltPath}).out, "");
}

TEST_F(JxlFiles, ExiftoolsCaptionIsReadAndItsOtherLanguagesKept)
{
    const QString path = encoded(picture("plain.png", "PNG"), "boxed", {"--container=1"});
    const ProcessResult written =
        exiftool({"-q", "-overwrite_original", "-EXIF:ImageDescription=from exiftool",
                  "-XMP-dc:Description=from exiftool", "-XMP-dc:Description-de=aus exiftool", path});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_EQ(readComment(path).text, "from exiftool");
    ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
    EXPECT_EQ(captionsFor(path), "ours\nours\n");
    EXPECT_EQ(exiftool({"-b", "-XMP-dc:Description-de", path}).out, "aus exiftool");
}

TEST_F(JxlFiles, WhatCannotBeEditedSafelyIsRefusedAndLeftAsItWas)
{
    const QString png = picture("plain.png", "PNG");
    const QByteArray boxed = readFile(encoded(png, "boxed", {"--container=1"}));
    const QByteArray fromJpeg = readFile(encoded(captionedJpeg(), "from-jpeg"));
    const QString besideCompressed = store("beside.jxl", fromJpeg);
    exiftool({"-q", "-overwrite_original", "-EXIF:ImageDescription=second", besideCompressed});
    const qsizetype compressed = fromJpeg.indexOf("brob") + 8;
    QByteArray undecodable = fromJpeg;
    undecodable.replace(compressed, 8, QByteArray(8, '\x5A'));
    const QByteArray bigHeader = QByteArray("\0\0\0\x01jxlc", 8) + QByteArray(7, '\0') + "\x7F";
    const QList<QPair<const char*, QByteArray>> refused{
        {"a JPEG without metadata, which the rebuilt JPEG could not carry",
         readFile(encoded(picture("bare.jpg", "JPEG"), "jpeg-without-metadata"))},
        {"two Exif boxes, one of them compressed", readFile(besideCompressed)},
        {"compressed metadata that does not decompress", undecodable},
    };
    for (const auto& [what, bytes] : refused) {
        const QString path = store("refused.jxl", bytes);
        EXPECT_EQ(setComment(path, "never"), CORVANE_E_UNSUPPORTED) << what;
        EXPECT_EQ(readFile(path), bytes) << what;
    }
    const QList<QPair<const char*, QByteArray>> damaged{
        {"cut inside a box", boxed.left(boxed.size() - 5)},       {"cut after the signature", boxed.left(14)},
        {"no file type box", boxed.left(12) + boxed.mid(32)},     {"no codestream", boxed.left(32)},
        {"64-bit size past the end", boxed.left(32) + bigHeader},
    };
    for (const auto& [what, bytes] : damaged) {
        const QString path = store("damaged.jxl", bytes);
        EXPECT_EQ(readComment(path).status, CORVANE_E_DAMAGED) << what;
        EXPECT_EQ(setComment(path, "never"), CORVANE_E_DAMAGED) << what;
        EXPECT_EQ(eraseComment(path), CORVANE_E_DAMAGED) << what;
        EXPECT_EQ(readFile(path), bytes) << what;
    }
}

TEST_F(JxlFiles, TheToolSetsGetsAndErasesABareCodestreamsCaption)
{
    const QString path = encoded(picture("plain.png", "PNG"), "bare");
    const QByteArray before = pixels(path);
    const QByteArray original = readFile(path);
    EXPECT_EQ(run(toolPath(), {"erase", path}).exitCode, 0);
    EXPECT_EQ(readFile(path), original) << "erasing nothing changed the file";
    ASSERT_EQ(run(toolPath(), {"set", "on the tool's word", path}).exitCode, 0);
    EXPECT_EQ(run(toolPath(), {"get", path}).out, "on the tool's word\n");
    EXPECT_EQ(captionsFor(path), "on the tool's word\non the tool's word\n");
    ASSERT_EQ(run(toolPath(), {"erase", path}).exitCode, 0);
    EXPECT_EQ(run(toolPath(), {"get", path}).out, "\n");
    EXPECT_EQ(pixels(path), before);
}

}
