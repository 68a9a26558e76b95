// HEIF and AVIF files as the encoders make them (a single picture, a grid, with and without exiftool's captions)
// take a caption, give it to exiftool, take exiftool's, and keep every pixel; files we cannot edit safely are
// refused and left as they were.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

const std::vector<std::string> kCaptions = {"harbour at dawn", "first line\nsecond line\r\nthird",
                                            "caf\xC3\xA9 \xF0\x9F\x98\x80 \xE6\x97\xA5"};

class HeifFiles : public FolderTest {
protected:
    void SetUp() override
    {
        for (const char* tool : {"heif-enc", "heif-convert", "heif-info", "avifenc", "exiftool"})
            if (findProgram(tool).isEmpty())
                GTEST_SKIP() << tool << " is needed";
    }

    QString png(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 2 % 256, y * 3 % 256, (x * y) % 256));
        const QString path = folder.filePath(name + ".png");
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString made(const QString& tool, const QStringList& arguments, const QString& name)
    {
        const ProcessResult result = run(findProgram(tool), arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return folder.filePath(name);
    }

    // heif-enc makes a small picture a grid of one padded tile, a larger one a single item.
    QStringList encoded()
    {
        const QString small = png("small", 40, 30), large = png("large", 256, 128);
        const auto out = [&](const QString& name) { return folder.filePath(name); };
        return {made("heif-enc", {"-q", "10", small, "-o", out("grid.heic")}, "grid.heic"),
                made("heif-enc", {"-q", "10", large, "-o", out("single.heic")}, "single.heic"),
                made("avifenc", {"-d", "8", "-s", "10", small, out("single.avif")}, "single.avif"),
                made("avifenc", {"-d", "8", "-s", "10", "-g", "2x1", large, out("grid.avif")}, "grid.avif")};
    }

    QImage picture(const QString& path)
    {
        const QString decoded = folder.filePath("decoded.png");
        QFile::remove(decoded);
        const ProcessResult result = run(findProgram("heif-convert"), {path, decoded});
        EXPECT_EQ(result.exitCode, 0) << path.toStdString() << result.err.toStdString();
        return QImage(decoded).convertToFormat(QImage::Format_ARGB32);
    }

    QByteArray exiftool(const QString& path, const QString& tag)
    {
        return run(findProgram("exiftool"), {"-b", "-" + tag, path}).out;
    }

    void exiftoolWrites(const QString& path, const QStringList& assignments)
    {
        const ProcessResult written =
            run(findProgram("exiftool"), QStringList{"-q", "-overwrite_original"} + assignments + QStringList{path});
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    }

    bool opens(const QString& path) { return run(findProgram("heif-info"), {path}).exitCode == 0; }
};

// A copy of `path` whose last box (the picture's mdat) states size 0: it runs to the end of the file.
QString lastBoxRunningToTheEnd(const QString& path)
{
    QByteArray bytes = readFile(path);
    const qsizetype last = bytes.lastIndexOf("mdat") - 4;
    bytes.replace(last, 4, QByteArray(4, '\0'));
    const QString copy = path + ".runs-to-end.heic";
    writeFile(copy, bytes);
    return copy;
}

TEST_F(HeifFiles, CaptionsRoundTripAndKeepEveryPixel)
{
    QStringList files = encoded();
    files.append(lastBoxRunningToTheEnd(files.at(1)));
    for (const QString& path : files) {
        const QImage pixels = picture(path);
        ASSERT_FALSE(pixels.isNull()) << path.toStdString();
        for (const std::string& caption : kCaptions) {
            ASSERT_EQ(setComment(path, caption), CORVANE_OK) << path.toStdString();
            EXPECT_EQ(readComment(path).text, caption) << path.toStdString();
            for (const char* tag : {"EXIF:ImageDescription", "XMP-dc:Description"})
                EXPECT_EQ(exiftool(path, tag).toStdString(), caption) << path.toStdString() << " " << tag;
            EXPECT_EQ(picture(path), pixels) << path.toStdString();
            EXPECT_TRUE(opens(path)) << path.toStdString();
        }
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readComment(path).text, "");
        EXPECT_EQ(exiftool(path, "EXIF:ImageDescription") + exiftool(path, "XMP-dc:Description"), "")
            << path.toStdString();
        EXPECT_EQ(picture(path), pixels) << path.toStdString();
        EXPECT_TRUE(opens(path)) << path.toStdString();
    }
}

TEST_F(HeifFiles, ExiftoolsCaptionIsReadReplacedAndNotLeftInTheFile)
{
    for (const QString& path : encoded()) {
        exiftoolWrites(path, {"-ImageDescription=from exiftool", "-XMP-dc:Description=from exiftool",
                              "-XMP-dc:Description-de=aus exiftool"});
        const QImage pixels = picture(path);
        EXPECT_EQ(readComment(path).text, "from exiftool") << path.toStdString();
        ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
        EXPECT_EQ(exiftool(path, "EXIF:ImageDescription"), "ours") << path.toStdString();
        EXPECT_EQ(exiftool(path, "XMP-dc:Description"), "ours") << path.toStdString();
        EXPECT_EQ(exiftool(path, "XMP-dc:Description-de"), "aus exiftool") << path.toStdString();
        EXPECT_FALSE(readFile(path).contains("from exiftool")) << path.toStdString();
        EXPECT_EQ(picture(path), pixels) << path.toStdString();
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_FALSE(readFile(path).contains("ours")) << path.toStdString();
        EXPECT_TRUE(opens(path)) << path.toStdString();
    }
}

TEST_F(HeifFiles, CommandLineToolCaptionsHeicAndAvif)
{
    const QStringList files = encoded();
    for (const QString& path : {files.at(1), files.at(2)}) {
        ASSERT_EQ(run(toolPath(), {"set", "from the tool", path}).exitCode, 0) << path.toStdString();
        EXPECT_EQ(run(toolPath(), {"get", path}).out, "from the tool\n") << path.toStdString();
        EXPECT_EQ(exiftool(path, "XMP-dc:Description"), "from the tool") << path.toStdString();
        ASSERT_EQ(run(toolPath(), {"erase", path}).exitCode, 0) << path.toStdString();
        EXPECT_EQ(run(toolPath(), {"get", path}).out, "\n") << path.toStdString();
    }
}

// `from` replaced by `to` once, at the same length.
QByteArray patched(QByteArray bytes, const QByteArray& from, const QByteArray& to)
{
    const qsizetype at = bytes.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return at < 0 ? bytes : bytes.replace(at, from.size(), to);
}

TEST_F(HeifFiles, FilesWeCannotEditSafelyAreRefusedAndLeftAsTheyWere)
{
    const QString heic = encoded().at(1);
    exiftoolWrites(heic, {"-ImageDescription=old", "-XMP-dc:Description=old"});
    const QByteArray captioned = readFile(heic);
    const qsizetype meta = captioned.indexOf("meta") - 4;
    const QList<QPair<const char*, QByteArray>> refused{
        {"two Exif items", patched(captioned, "mime\0application/rdf+xml"_qba, "Exif\0application/rdf+xml"_qba)},
        {"cut inside the picture", captioned.left(captioned.size() - 9)},
        {"meta box past the end", patched(captioned, captioned.mid(meta, 8), QByteArray("\x7F\0\0\0meta", 8))},
        {"no primary item", patched(captioned, "pitm", "xitm")},
        {"no item locations", patched(captioned, "iloc", "ilox")},
        {"not a picture's meta box", patched(captioned, "pict", "vide")},
    };
    for (const auto& [what, bytes] : refused) {
        const QString path = store("refused.heic", bytes);
        EXPECT_LT(setComment(path, "never"), 0) << what;
        EXPECT_LT(eraseComment(path), 0) << what;
        EXPECT_EQ(readFile(path), bytes) << what;
    }
}

}
