// WebP files as the encoders make them (simple lossy, lossless, with alpha, animated) take a caption, give it
// to exiftool, take exiftool's, and keep every pixel and frame; a damaged one is refused and left as it was.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::vector<std::string> kCaptions = {"harbour at dawn", "first line\nsecond line\r\nthird",
                                            "caf\xC3\xA9 \xF0\x9F\x98\x80 \xE6\x97\xA5"};

class WebpFiles : public FolderTest {
protected:
    void SetUp() override
    {
        for (const char* tool : {"cwebp", "img2webp", "dwebp", "webpmux", "webpinfo", "exiftool"})
            if (findProgram(tool).isEmpty())
                GTEST_SKIP() << tool << " is needed";
    }

    QString png(const QString& name, bool alpha)
    {
        QImage image(40, 30, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgba(x * 6, y * 8, (x * y) % 256, alpha ? (x + y) * 3 : 255));
        const QString path = folder.filePath(name + ".png");
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString made(const QString& tool, const QStringList& arguments, const QString& name)
    {
        const QString path = folder.filePath(name + ".webp");
        const ProcessResult result = run(findProgram(tool), arguments + QStringList{"-o", path});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return path;
    }

    // Every kind of file the encoders make.
    QStringList encoded()
    {
        const QString plain = png("plain", false), clear = png("clear", true);
        return {made("cwebp", {"-quiet", plain}, "lossy"), made("cwebp", {"-quiet", "-lossless", plain}, "lossless"),
                made("cwebp", {"-quiet", clear}, "alpha"),
                made("img2webp", {"-loop", "0", plain, "-d", "80", clear}, "animated")};
    }

    // What a viewer shows: the decoded pixels of a still, every frame's own bytes of an animation.
    QByteArray picture(const QString& path)
    {
        const QByteArray info = run(findProgram("webpmux"), {"-info", path}).out;
        if (!info.contains("animation"))
            return run(findProgram("dwebp"), {"-quiet", "-pam", path, "-o", "-"}).out;
        QByteArray frames;
        for (int frame = 1;; ++frame) {
            const QString out = folder.filePath("frame.webp");
            if (run(findProgram("webpmux"), {"-get", "frame", QString::number(frame), path, "-o", out}).exitCode != 0)
                return frames;
            frames += readFile(out);
        }
    }

    QByteArray exiftool(const QString& path, const QString& tag)
    {
        return run(findProgram("exiftool"), {"-use", "MWG", "-b", "-" + tag, path}).out;
    }

    QByteArray problems(const QString& path)
    {
        const QByteArray structure = run(findProgram("webpinfo"), {"-quiet", path}).out;
        return structure + run(findProgram("exiftool"), {"-validate", "-warning", "-a", path}).out;
    }
};

TEST_F(WebpFiles, CaptionsRoundTripAndKeepEveryPixel)
{
    for (const QString& path : encoded()) {
        const QByteArray pixels = picture(path), validation = problems(path);
        ASSERT_FALSE(pixels.isEmpty()) << path.toStdString();
        for (const std::string& caption : kCaptions) {
            ASSERT_EQ(setComment(path, caption), CORVANE_OK) << path.toStdString();
            EXPECT_EQ(readComment(path).text, caption) << path.toStdString();
            for (const char* tag : {"EXIF:ImageDescription", "XMP-dc:Description", "MWG:Description"})
                EXPECT_EQ(exiftool(path, tag).toStdString(), caption) << path.toStdString() << " " << tag;
            EXPECT_EQ(picture(path), pixels) << path.toStdString();
            EXPECT_EQ(problems(path), validation) << path.toStdString();
        }
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readComment(path).text, "");
        EXPECT_EQ(exiftool(path, "MWG:Description"), "") << path.toStdString();
        const QByteArray erased = readFile(path);
        EXPECT_EQ(erased[20] & 0x0C, 0) << "VP8X still names EXIF or XMP in " << path.toStdString();
        EXPECT_EQ(picture(path), pixels) << path.toStdString();
        EXPECT_EQ(problems(path), validation) << path.toStdString();
    }
}

TEST_F(WebpFiles, ExiftoolsCaptionIsReadAndItsOtherLanguagesKept)
{
    for (const QString& path : encoded()) {
        const ProcessResult written =
            run(findProgram("exiftool"), {"-q", "-overwrite_original", "-use", "MWG", "-MWG:Description=from exiftool",
                                          "-XMP-dc:Description-de=aus exiftool", path});
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
        EXPECT_EQ(readComment(path).text, "from exiftool") << path.toStdString();
        ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
        EXPECT_EQ(exiftool(path, "MWG:Description"), "ours") << path.toStdString();
        EXPECT_EQ(exiftool(path, "XMP-dc:Description-de"), "aus exiftool") << path.toStdString();
    }
}

TEST_F(WebpFiles, DamagedFilesAreRefusedAndLeftAsTheyWere)
{
    const QStringList files = encoded();
    const QByteArray whole = readFile(files.at(2));
    const QByteArray bitstream = readFile(files.at(0)).mid(12);
    const auto withSize = [&](int at, quint32 size) {
        QByteArray bytes = whole;
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char(size >> (8 * i));
        return bytes;
    };
    const auto withRiffSize = [](const QByteArray& chunks) {
        QByteArray bytes = "RIFF"_qba + QByteArray(4, '\0') + "WEBP"_qba + chunks;
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = char((bytes.size() - 8) >> (8 * i));
        return bytes;
    };
    const QList<QPair<const char*, QByteArray>> damaged{
        {"cut inside a chunk", whole.left(whole.size() - 7)},
        {"cut after the header", whole.left(12)},
        {"RIFF size past the end", withSize(4, quint32(whole.size()))},
        {"first chunk past the end", withSize(16, 0x7FFFFFF0)},
        {"VP8X too short for its flags", withRiffSize("VP8X"_qba + QByteArray(4, '\0') + bitstream)},
        {"no picture", withRiffSize(QByteArray("ABCD\x04\0\0\0data", 12))},
    };
    for (const auto& [what, bytes] : damaged) {
        const QString path = store("damaged.webp", bytes);
        EXPECT_LT(setComment(path, "never"), 0) << what;
        EXPECT_LT(eraseComment(path), 0) << what;
        EXPECT_EQ(readFile(path), bytes) << what;
    }
}

}
