// Tests of HEIF, HEIC, AVIF and JPEG XL pictures: shown as their reference decoders show them, grids
// assembled, turned upright, and refused with the picture error when damaged or too large.
#include "fixtures.h"
#include "heif_writer.h"
#include "picture/flatten.h"
#include "picture/picture.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace picture;

// The files are made by the encoders Debian ships (heif-enc, avifenc, cjxl) and read back by their
// reference decoders (heif-convert, avifdec, djxl), which give the pixels ours must show.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

bool runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << qPrintable(program) << " failed: " << process.readAllStandardError().constData();
        return false;
    }
    return true;
}

QImage ownSize(const QString& path)
{
    int width = -1, height = -1;
    return LoadPictureScaled(path, width, height, kWhite, false)->image();
}

// The reference decoder's PNG, flattened onto white as our pictures are shown.
QImage referencePicture(const QString& png)
{
    return flattenOnto(QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied), qRgb(255, 255, 255));
}

QImage translucent(int width, int height)
{
    QImage image = fixtures::photographic(width, height).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, (image.pixel(x, y) & 0x00FFFFFF) | 0x60000000);
    return image;
}

QImage grey(int width, int height)
{
    return fixtures::photographic(width, height).convertToFormat(QImage::Format_Grayscale8);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray heicOf(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    const QString png = fixtures::writeImage(dir, name + ".png", image, "png");
    const QString heic = dir.filePath(name + ".heic");
    runTool("heif-enc", {"-q", "90", png, "-o", heic});
    return readAll(heic);
}

void expectPictureError(const std::function<void()>& load, const QString& path)
{
    try {
        load();
        ADD_FAILURE() << "no error for " << qPrintable(path);
    } catch (const PictureError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("Error loading picture ") + path);
    }
}

} // namespace

TEST(CodecPictures, ShowAsTheirReferenceDecodersShowThem)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(320, 240);
    const QString png = fixtures::writeImage(dir, "photo.png", photo, "png");
    const QString translucentPng = fixtures::writeImage(dir, "alpha.png", translucent(320, 240), "png");
    const QString greyPng = fixtures::writeImage(dir, "grey.png", grey(320, 240), "png");
    // Recompressed from a JPEG, the orientation tag becomes the codestream's: shown 240 x 320.
    const QString turnedJpeg = fixtures::writeBytes(dir, "turned.jpg", fixtures::jpegWithOrientation(photo, 6));
    struct Case {
        const char* name;
        QString source;
        QString encoder;
        QStringList encoderOptions;
        QString decoder;
        const char* file;
    };
    const Case cases[] = {
        {"heic", png, "heif-enc", {"-q", "90"}, "heif-convert", "photo.heic"},
        // Told by its content, whatever its name says.
        {"heic named as a JPEG", png, "heif-enc", {"-q", "90"}, "heif-convert", "heic.jpg"},
        {"avif", png, "avifenc", {}, "avifdec", "photo.avif"},
        {"10-bit avif", png, "avifenc", {"-d", "10"}, "avifdec", "photo10.avif"},
        {"translucent avif", translucentPng, "avifenc", {}, "avifdec", "alpha.avif"},
        {"jxl", png, "cjxl", {}, "djxl", "photo.jxl"},
        {"lossless translucent jxl", translucentPng, "cjxl", {"-d", "0"}, "djxl", "alpha.jxl"},
        {"grey jxl", greyPng, "cjxl", {}, "djxl", "grey.jxl"},
        {"jxl from a turned jpeg", turnedJpeg, "cjxl", {}, "djxl", "turned.jxl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath(c.file);
        const QString reference = dir.filePath(QStringLiteral("ref-%1.png").arg(c.file));
        QStringList encode = c.encoderOptions;
        encode << c.source << (c.encoder == "heif-enc" ? QStringList{"-o", file} : QStringList{file});
        ASSERT_TRUE(runTool(c.encoder, encode));
        ASSERT_TRUE(runTool(c.decoder, {file, reference}));
        const QImage expected = referencePicture(reference);

        const QImage shown = ownSize(file);
        ASSERT_EQ(shown.size(), expected.size());
        EXPECT_EQ(shown.size(), c.source == turnedJpeg ? QSize(240, 320) : QSize(320, 240));
        EXPECT_LT(fixtures::meanAbsoluteDifference(shown, expected), 1.0);

        // Fitted into a box, as the window shows it, it is the reference decoder's picture fitted.
        const QSize box(200, 90);
        const QImage fitted = loadFitted(file, box, kWhite)->image();
        const QImage referenceFitted = loadFitted(reference, box, kWhite)->image();
        ASSERT_EQ(fitted.size(), box);
        EXPECT_LT(fixtures::meanAbsoluteDifference(fitted, referenceFitted), 1.5);
    }
}

TEST(CodecPictures, GridsAreAssembledAndTurnedUpright)
{
    QTemporaryDir dir;
    const QSize tileSize(256, 128);
    const fixtures::HevcTile red =
        fixtures::tileOfHeic(heicOf(dir, "red", fixtures::halves(256, 128, Qt::red, Qt::red)));
    const fixtures::HevcTile blue =
        fixtures::tileOfHeic(heicOf(dir, "blue", fixtures::halves(256, 128, Qt::blue, Qt::blue)));
    struct Case {
        int quarterTurns;
        QSize upright;
        QRect redPart, bluePart;
    };
    // The grid is 500 x 120 of the 512 x 128 its two tiles cover: red left, blue right.
    const Case cases[] = {
        {0, {500, 120}, {4, 4, 240, 112}, {264, 4, 230, 112}},
        {1, {120, 500}, {4, 260, 112, 236}, {4, 4, 112, 230}}, // a quarter turn anticlockwise: red below
        {3, {120, 500}, {4, 4, 112, 240}, {4, 264, 112, 230}}, // a quarter turn clockwise: red above
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.quarterTurns);
        const QString file = fixtures::writeBytes(
            dir, QStringLiteral("grid%1.heic").arg(c.quarterTurns),
            fixtures::heifGridBytes({{red, blue}, 1, 2, tileSize, QSize(500, 120), c.quarterTurns}));
        const QString reference = dir.filePath(QStringLiteral("grid%1.png").arg(c.quarterTurns));
        ASSERT_TRUE(runTool("heif-convert", {file, reference}));

        const QImage shown = ownSize(file);
        ASSERT_EQ(shown.size(), c.upright);
        EXPECT_TRUE(fixtures::regionIs(shown, c.redPart, Qt::red, 12));
        EXPECT_TRUE(fixtures::regionIs(shown, c.bluePart, Qt::blue, 12));
        EXPECT_LT(fixtures::meanAbsoluteDifference(shown, referencePicture(reference)), 1.0);
    }
}

TEST(CodecPictures, DamagedOrHugeFilesGetThePictureError)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(160, 120);
    const QByteArray heic = heicOf(dir, "whole", photo);
    const QString png = fixtures::writeImage(dir, "whole.png", photo, "png");
    ASSERT_TRUE(runTool("avifenc", {png, dir.filePath("whole.avif")}));
    ASSERT_TRUE(runTool("cjxl", {png, dir.filePath("whole.jxl")}));
    const QByteArray avif = readAll(dir.filePath("whole.avif"));
    const QByteArray jxl = readAll(dir.filePath("whole.jxl"));
    const fixtures::HevcTile tile = fixtures::tileOfHeic(heic);
    ASSERT_FALSE(heic.isEmpty());
    ASSERT_FALSE(avif.isEmpty());
    ASSERT_FALSE(jxl.isEmpty());

    // The meta box, after the file-type box, claiming far more bytes than the file has.
    QByteArray overlongMeta = heic;
    const qsizetype metaAt = qsizetype(uint8_t(heic[3]));
    overlongMeta.replace(metaAt, 4, QByteArray("\x7F\xFF\xFF\xFF", 4));
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"cut.heic", heic.left(heic.size() / 2)},
        {"overlong-meta.heic", overlongMeta},
        {"header-only.heic", heic.left(40)},
        {"cut.avif", avif.left(avif.size() * 2 / 3)},
        {"cut.jxl", jxl.left(jxl.size() / 2)},
        {"signature-only.jxl", jxl.left(12)},
        // A grid declaring 30000 x 30000 pixels, more than one picture may take.
        {"huge.heic", fixtures::heifGridBytes({{tile}, 1, 1, QSize(160, 120), QSize(30000, 30000), 0})},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QString path = fixtures::writeBytes(dir, f.name, f.bytes);
        expectPictureError([&] { ownSize(path); }, path);
        expectPictureError([&] { loadFitted(path, QSize(300, 200), kWhite); }, path);
    }
}
