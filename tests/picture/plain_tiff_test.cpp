// Tests that plain TIFF pages read strip by strip look like the general decoder's picture.
#include "fixtures.h"
#include "picture/fit_plain_tiff.h"
#include "picture/picture.h"
#include "picture/tiff_rows.h"
#include "tiff_writer.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace picture;
using fixtures::TiffStyle;

// Plain TIFF pages are read by the fitting path itself, strip by strip on two threads; what it shows
// must not differ from the general decoder's picture fitted in two stages.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const QSize kViewerBox(593, 193);

QImage twoStages(const QString& path, QSize box, uint32_t backColor = kWhite)
{
    int width = -1, height = -1;
    const PicturePtr holder = LoadPictureScaled(path, width, height, backColor, false);
    return RescalePicture(holder.get(), holder->kind(), box.width(), box.height(), backColor, true)->image();
}

QString tiffFile(const QTemporaryDir& dir, const QImage& image, const TiffStyle& style, const QString& name = "p.tif")
{
    const QString path = dir.filePath(name);
    fixtures::writeTiff(path, {image}, style);
    return path;
}

// Photo-like colours over an alpha ramp from clear on the left to opaque on the right, with a fully
// clear band across the top.
QImage translucentPhoto(int width, int height)
{
    QImage image = fixtures::photographic(width, height).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = (row[x] & 0x00FFFFFFu) | (uint32_t(y < height / 4 ? 0 : x * 255 / (width - 1)) << 24);
    }
    return image;
}

void resize(const QString& path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.resize(size));
}

void overwrite(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(PlainTiff, EveryCompressionAndByteOrderFitsExactlyAsTheGeneralDecoderDoes)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(1300, 900);
    struct Case {
        const char* name;
        TiffStyle style;
    };
    const Case cases[] = {
        {"uncompressed", {.compression = 1}},
        {"LZW", {.compression = 5}},
        {"LZW, predictor, big-endian", {.compression = 5, .predictor = true, .bigEndian = true}},
        {"deflate, big-endian", {.compression = 8, .bigEndian = true}},
        {"deflate, predictor", {.compression = 8, .predictor = true}},
        {"PackBits", {.compression = 32773}},
        {"LZW in one strip", {.compression = 5, .rowsPerStrip = 900}},
        {"LZW, strips of 7 rows", {.compression = 5, .rowsPerStrip = 7}},
    };
    for (const Case& test : cases) {
        const QString path = tiffFile(dir, photo, test.style);
        const PicturePtr fast = fitPlainTiff(path, kViewerBox, kWhite);
        ASSERT_TRUE(fast) << test.name;
        EXPECT_EQ(fast->image(), twoStages(path, kViewerBox)) << test.name;
        EXPECT_EQ(loadFitted(path, kViewerBox, kWhite)->image(), fast->image()) << test.name;
    }
}

TEST(PlainTiff, EnlargingAndOwnSizeMatchTheGeneralDecoderToo)
{
    QTemporaryDir dir;
    const QString small = tiffFile(dir, fixtures::photographic(50, 37), {.compression = 5}, "small.tif");
    const PicturePtr enlarged = fitPlainTiff(small, kViewerBox, kWhite);
    ASSERT_TRUE(enlarged);
    EXPECT_EQ(enlarged->image(), twoStages(small, kViewerBox));

    const QString exact = tiffFile(dir, fixtures::photographic(300, 200), {.compression = 5}, "exact.tif");
    const PicturePtr ownSize = fitPlainTiff(exact, QSize(300, 200), kWhite);
    ASSERT_TRUE(ownSize);
    EXPECT_EQ(ownSize->image(), fixtures::photographic(300, 200));
}

TEST(PlainTiff, TransparentAreasShowTheBackgroundLikeTheGeneralDecoder)
{
    QTemporaryDir dir;
    const QImage photo = translucentPhoto(1300, 900);
    for (const TiffStyle::Alpha alpha : {TiffStyle::Alpha::Straight, TiffStyle::Alpha::Premultiplied})
        for (const uint32_t backColor : {kWhite, 0x00336699u}) {
            const QString path = tiffFile(dir, photo, {.compression = 5, .alpha = alpha});
            const PicturePtr fast = fitPlainTiff(path, kViewerBox, backColor);
            ASSERT_TRUE(fast);
            EXPECT_EQ(fast->image(), twoStages(path, kViewerBox, backColor));
            const QColor background(int(backColor & 0xFF), int((backColor >> 8) & 0xFF), int(backColor >> 16));
            EXPECT_TRUE(fixtures::regionIs(fast->image(), QRect(0, 0, 593, 40), background, 1));
            EXPECT_FALSE(fixtures::regionIs(fast->image(), QRect(400, 100, 20, 20), background, 40));
        }
}

TEST(PlainTiff, FirstPageOfSeveralIsShown)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pages.tif");
    const QImage red = fixtures::halves(60, 40, Qt::red, Qt::red);
    const QImage blue = fixtures::halves(60, 40, Qt::blue, Qt::blue);
    fixtures::writeTiff(path, {red, blue}, {.compression = 5});
    const PicturePtr fast = fitPlainTiff(path, QSize(60, 40), kWhite);
    ASSERT_TRUE(fast);
    EXPECT_TRUE(fixtures::regionIs(fast->image(), QRect(0, 0, 60, 40), Qt::red));
}

TEST(PlainTiff, UnusualLayoutsAreLeftToTheGeneralDecoder)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(130, 90);
    struct Case {
        const char* name;
        TiffStyle style;
    };
    const Case cases[] = {
        {"tiles", {.compression = 5, .layout = TiffStyle::Layout::Tiles}},
        {"separate planes", {.compression = 5, .layout = TiffStyle::Layout::SeparatePlanes}},
        {"palette", {.compression = 5, .layout = TiffStyle::Layout::Palette}},
        {"16 bits", {.compression = 5, .layout = TiffStyle::Layout::Sixteen}},
        {"JPEG inside", {.compression = 7}},
        {"turned half round", {.compression = 5, .orientation = 3}},
    };
    for (const Case& test : cases) {
        const QString path = tiffFile(dir, photo, test.style);
        EXPECT_FALSE(fitPlainTiff(path, kViewerBox, kWhite)) << test.name;
        EXPECT_EQ(loadFitted(path, kViewerBox, kWhite)->image(), twoStages(path, kViewerBox)) << test.name;
    }
}

TEST(PlainTiff, ARowReachedMidStripDecodesLikeOneReadInOrder)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(64, 100);
    const QString path = tiffFile(dir, photo, {.compression = 5, .predictor = true, .rowsPerStrip = 16});
    const PlainTiffLayout layout{QSize(64, 100), PlainTiffLayout::Alpha::None, 16};
    TiffRows rows(path, layout, qRgb(255, 255, 255));
    for (const int y : {37, 38, 40, 47, 48, 70, 99}) {
        const QRgb* row = rows.row(y);
        ASSERT_NE(row, nullptr) << y;
        EXPECT_TRUE(std::equal(row, row + 64, reinterpret_cast<const QRgb*>(photo.constScanLine(y)))) << y;
    }
    EXPECT_EQ(rows.row(100), nullptr);

    TiffRows mismatched(path, {QSize(64, 99), PlainTiffLayout::Alpha::None, 16}, qRgb(255, 255, 255));
    EXPECT_EQ(mismatched.row(0), nullptr);
}

TEST(PlainTiff, DamagedFilesFailWithThePictureError)
{
    QTemporaryDir dir;
    const QImage photo = fixtures::photographic(1300, 900);

    const QString truncated = tiffFile(dir, photo, {.compression = 5}, "truncated.tif");
    resize(truncated, QFileInfo(truncated).size() * 3 / 5);
    EXPECT_FALSE(fitPlainTiff(truncated, kViewerBox, kWhite));
    EXPECT_THROW(loadFitted(truncated, kViewerBox, kWhite), PictureError);

    const QString scrambled = tiffFile(dir, photo, {.compression = 5}, "scrambled.tif");
    overwrite(scrambled, QFileInfo(scrambled).size() / 2, QByteArray(20000, char(0xFF)));
    EXPECT_FALSE(fitPlainTiff(scrambled, kViewerBox, kWhite));
    EXPECT_THROW(loadFitted(scrambled, kViewerBox, kWhite), PictureError);

    const QString headerOnly = tiffFile(dir, photo, {.compression = 5}, "header.tif");
    resize(headerOnly, 16);
    EXPECT_FALSE(fitPlainTiff(headerOnly, kViewerBox, kWhite));
    EXPECT_THROW(loadFitted(headerOnly, kViewerBox, kWhite), PictureError);
}
