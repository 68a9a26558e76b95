// Tests of icon painting: masked, gray and silhouette compositing, cropping, and graying an icon.
#include "cvbutton/render/grayscale.h"
#include "cvbutton/render/icon_painting.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

namespace cvbutton::render {
namespace {

using surface_pixels::kPaper;
using surface_pixels::paper;

constexpr Colorref kMagenta = 0xFF00FF;
constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kGreen = 0x00FF00;
constexpr Colorref kBlue = 0xFF0000;
constexpr std::int32_t kOwnColors = -1;

QImage imageOf(const std::vector<std::vector<Colorref>>& rows)
{
    QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, platform::toQRgb(rows[y][x]));
    return image;
}

PictureView bitmapOf(const std::vector<std::vector<Colorref>>& rows)
{
    return {imageOf(rows), true};
}

// A picture whose pixel (x, y) has a colour made of its position, so any shift or scaling shows.
PictureView numberedBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 + x * 20, 10 + y * 20, 99));
    return {image, true};
}

TEST(DrawPictureMasked, LeavesTheMaskColourOutOnlyWhileTheMaskIsInUse)
{
    const PictureView picture = bitmapOf({{kMagenta, kRed}, {kGreen, kMagenta}});
    host::Surface masked = paper(4, 4);
    DrawPictureMasked(masked, 1, 1, 2, 2, picture, kMagenta, kOwnColors, false, {true, kMagenta});
    EXPECT_EQ(masked.pixel(1, 1), kPaper);
    EXPECT_EQ(masked.pixel(2, 1), kRed);
    EXPECT_EQ(masked.pixel(1, 2), kGreen);
    EXPECT_EQ(masked.pixel(2, 2), kPaper);
    EXPECT_EQ(masked.pixel(0, 0), kPaper);

    host::Surface unmasked = paper(4, 4);
    DrawPictureMasked(unmasked, 1, 1, 2, 2, picture, kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(unmasked.pixel(1, 1), kMagenta);
    EXPECT_EQ(unmasked.pixel(2, 2), kMagenta);
}

TEST(DrawPictureMasked, PutsAnIconOnTheMaskColourAtItsOwnSize)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(0, 0, 255, 255));
    const PictureView icon{image, false};

    host::Surface unmasked = paper(3, 3);
    DrawPictureMasked(unmasked, 0, 0, 3, 3, icon, kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(unmasked.pixel(0, 0), kBlue);
    EXPECT_EQ(unmasked.pixel(1, 0), kMagenta);
    EXPECT_EQ(unmasked.pixel(2, 2), kMagenta) << "a smaller icon leaves a margin of the mask colour";

    host::Surface masked = paper(3, 3);
    DrawPictureMasked(masked, 0, 0, 3, 3, icon, kMagenta, kOwnColors, false, {true, kMagenta});
    EXPECT_EQ(masked.pixel(0, 0), kBlue);
    EXPECT_EQ(surface_pixels::pixelsOf(masked, kPaper).size(), 8u);
}

TEST(DrawPictureMasked, PaintsASilhouetteOrTheGrayOfEachPixel)
{
    const PictureView picture = bitmapOf({{kRed, kGreen, kBlue, kMagenta}});
    host::Surface silhouette = paper(4, 1);
    DrawPictureMasked(silhouette, 0, 0, 4, 1, picture, kMagenta, 0, true, {true, kMagenta});
    EXPECT_EQ(surface_pixels::pixelsOf(silhouette, 0x000000).size(), 3u) << "the solid colour wins over gray";
    EXPECT_EQ(silhouette.pixel(3, 0), kPaper);

    host::Surface gray = paper(4, 1);
    DrawPictureMasked(gray, 0, 0, 4, 1, picture, kMagenta, kOwnColors, true, {true, kMagenta});
    EXPECT_EQ(gray.pixel(0, 0), platform::rgb(76, 76, 76));
    EXPECT_EQ(gray.pixel(1, 0), platform::rgb(150, 150, 150));
    EXPECT_EQ(gray.pixel(2, 0), platform::rgb(28, 28, 28));
}

TEST(DrawPictureMasked, CropsALargerBitmapAndTakesItsOwnSizeForNegativeSizes)
{
    const PictureView picture = numberedBitmap(6, 5);
    host::Surface cropped = paper(8, 8);
    DrawPictureMasked(cropped, 2, 1, 3, 2, picture, kMagenta, kOwnColors, false, {false, kMagenta});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(cropped.pixel(2 + x, 1 + y), platform::fromQRgb(picture.Image.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(cropped.pixel(5, 1), kPaper);
    EXPECT_EQ(cropped.pixel(2, 3), kPaper);

    host::Surface own = paper(8, 8);
    DrawPictureMasked(own, 0, 0, -1, -1, picture, kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(own.pixel(5, 4), platform::fromQRgb(picture.Image.pixel(5, 4)));
    EXPECT_EQ(own.pixel(6, 4), kPaper);
    EXPECT_EQ(own.pixel(5, 5), kPaper);

    host::Surface none = paper(4, 4);
    DrawPictureMasked(none, 0, 0, 0, 3, picture, kMagenta, kOwnColors, false, {false, kMagenta});
    DrawPictureMasked(none, 0, 0, 3, 3, PictureView(), kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(surface_pixels::pixelsOf(none, kPaper).size(), 16u);
}

// An area far larger than the surface, or reaching past its edges, is worked on only where it lands.
TEST(DrawPictureMasked, AnAreaBeyondTheSurfaceDrawsOnlyWhereItLands)
{
    const PictureView picture = numberedBitmap(6, 5);
    host::Surface shifted = paper(8, 8);
    DrawPictureMasked(shifted, -2, -1, 6, 5, picture, kMagenta, kOwnColors, false, {false, kMagenta});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(shifted.pixel(x, y), platform::fromQRgb(picture.Image.pixel(x + 2, y + 1))) << x << "," << y;
    EXPECT_EQ(shifted.pixel(4, 0), kPaper);

    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    const PictureView icon{image, false};
    host::Surface huge = paper(75, 23);
    DrawPictureMasked(huge, -16000, -16000, 32767, 32767, icon, kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(surface_pixels::pixelsOf(huge, kMagenta).size(), 75u * 23u)
        << "all of it the mask colour around the icon";
    host::Surface corner = paper(75, 23);
    DrawPictureMasked(corner, 72, 20, 32767, 32767, icon, kMagenta, kOwnColors, false, {false, kMagenta});
    EXPECT_EQ(surface_pixels::pixelsOf(corner, kBlue).size(), 9u);
}

// Rows of 5 pixels take 15 bytes and are padded to 16; a misread padding would shift every row.
TEST(DrawPictureMasked, CompositesPaddedRowsLikeUnpaddedOnes)
{
    const PictureView picture = numberedBitmap(8, 3);
    for (int width : {5, 7, 8}) {
        host::Surface surface = paper(10, 4);
        DrawPictureMasked(surface, 1, 1, width, 3, picture, kMagenta, kOwnColors, false, {false, kMagenta});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(surface.pixel(1 + x, 1 + y), platform::fromQRgb(picture.Image.pixel(x, y)))
                    << width << ": " << x << "," << y;
        EXPECT_EQ(surface.pixel(1 + width, 1), kPaper) << width;
    }
}

TEST(GrayscaleBitmap, KeepsTheSixteenGraysWeighsTheRestAndCopiesTheResult)
{
    QImage bitmap = imageOf({{0x808080, 0x909090, 0xFEFEFE}, {0x0000FF, 0xF0F0F0, 0x123456}});
    host::Surface destination = paper(5, 4);
    ASSERT_TRUE(GrayscaleBitmap(&destination, &bitmap, 1, 1, 0, 0));
    EXPECT_EQ(platform::fromQRgb(bitmap.pixel(0, 0)), 0x808080u);
    EXPECT_EQ(platform::fromQRgb(bitmap.pixel(1, 0)), 0x949494u);
    EXPECT_EQ(platform::fromQRgb(bitmap.pixel(2, 0)), 0xFFFFFFu);
    EXPECT_EQ(platform::fromQRgb(bitmap.pixel(0, 1)), 0x545454u);
    EXPECT_EQ(platform::fromQRgb(bitmap.pixel(1, 1)), 0xF0F0F0u);
    EXPECT_EQ(destination.pixel(2, 1), 0x949494u);
    EXPECT_EQ(destination.pixel(1, 2), 0x545454u);
    EXPECT_EQ(destination.pixel(0, 0), kPaper);
    EXPECT_EQ(destination.pixel(4, 1), kPaper);
}

TEST(GrayscaleBitmap, KeepsTransparencyAndRefusesWhatIsMissing)
{
    QImage bitmap(2, 1, QImage::Format_ARGB32);
    bitmap.setPixel(0, 0, qRgba(255, 0, 0, 255));
    bitmap.setPixel(1, 0, qRgba(0, 0, 255, 0));
    host::Surface destination = paper(2, 1);
    ASSERT_TRUE(GrayscaleBitmap(&destination, &bitmap, 0, 0, 0, 0));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgba(84, 84, 84, 255));
    EXPECT_EQ(qAlpha(bitmap.pixel(1, 0)), 0);
    EXPECT_EQ(qRed(bitmap.pixel(1, 0)), 28);

    QImage empty;
    EXPECT_FALSE(GrayscaleBitmap(nullptr, &bitmap, 0, 0, 0, 0));
    EXPECT_FALSE(GrayscaleBitmap(&destination, &empty, 0, 0, 0, 0));
    EXPECT_FALSE(GrayscaleBitmap(&destination, nullptr, 0, 0, 0, 0));
}

TEST(IconBitmaps, SplitIntoMaskAndColoursAndJoinAgain)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(40, 50, 60, 0));
    const QImage icon = image;
    QImage mask;
    QImage colors;
    ASSERT_TRUE(GetIconBitmaps(icon, mask, colors));
    EXPECT_EQ(qAlpha(mask.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(mask.pixel(1, 0)), 0);
    EXPECT_EQ(colors.pixel(1, 0), qRgb(40, 50, 60));
    const QImage joined = CreateIconFromBitmaps(mask, colors);
    EXPECT_EQ(joined.pixel(0, 0), qRgba(10, 20, 30, 255));
    EXPECT_EQ(qAlpha(joined.pixel(1, 0)), 0);

    EXPECT_FALSE(GetIconBitmaps(QImage(), mask, colors));
    EXPECT_TRUE(CreateIconFromBitmaps(QImage(), colors).isNull());
    EXPECT_TRUE(CreateIconFromBitmaps(mask, QImage()).isNull());
}

TEST(PaintIconGrayscale, ScalesTheGrayIconToWidthThenHeightKeepingItsMask)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    image.setPixel(1, 1, qRgba(0, 0, 0, 0));
    const QImage icon = image;
    host::Surface surface = paper(12, 8);
    ASSERT_TRUE(PaintIconGrayscale(&surface, icon, 1, 2, 4, 8));
    const Colorref gray = grayscaleOf(kBlue);
    EXPECT_EQ(surface.pixel(1, 2), gray);
    EXPECT_EQ(surface.pixel(8, 2), gray);
    EXPECT_EQ(surface.pixel(8, 5), kPaper) << "the transparent quarter stays see-through";
    EXPECT_EQ(surface.pixel(9, 2), kPaper);
    EXPECT_EQ(surface.pixel(1, 6), kPaper);
    EXPECT_EQ(icon.pixel(0, 0), qRgba(0, 0, 255, 255)) << "the caller's icon is left as it was";

    host::Surface untouched = paper(4, 4);
    EXPECT_FALSE(PaintIconGrayscale(nullptr, icon, 0, 0, 4, 4));
    EXPECT_FALSE(PaintIconGrayscale(&untouched, QImage(), 0, 0, 4, 4));
    EXPECT_EQ(surface_pixels::pixelsOf(untouched, kPaper).size(), 16u);
}

} // namespace
} // namespace cvbutton::render
