// Tests of redrawing a loaded picture into a new bitmap, fitted or stretched.
#include "fixtures.h"
#include "picture/picture.h"

#include <gtest/gtest.h>

using namespace picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

PicturePtr bitmapOf(const QImage& image, PictureKind kind = PictureKind::Bitmap)
{
    return std::make_shared<const Picture>(kind, image);
}

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(RescalePicture, WiderPictureIsCentredVerticallyOnWhite)
{
    const PicturePtr fitted =
        RescalePicture(bitmapOf(solid(400, 300, Qt::red)).get(), PictureKind::Bitmap, 600, 600, kWhite, true);
    ASSERT_TRUE(fitted);
    const QImage& image = fitted->image();
    EXPECT_EQ(image.size(), QSize(600, 600));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 600, 75), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 75, 600, 450), Qt::red));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 525, 600, 75), Qt::white));
}

TEST(RescalePicture, TallerPictureIsCentredHorizontallyWithTiesToEven)
{
    const PicturePtr fitted =
        RescalePicture(bitmapOf(solid(300, 400, Qt::blue)).get(), PictureKind::Bitmap, 600, 300, kWhite, true);
    const QImage& image = fitted->image();
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 188, 300), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(188, 0, 225, 300), Qt::blue));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(413, 0, 187, 300), Qt::white));
}

TEST(RescalePicture, StretchIgnoresTheAspectRatio)
{
    const PicturePtr stretched =
        RescalePicture(bitmapOf(solid(400, 300, Qt::red)).get(), PictureKind::Bitmap, 600, 600, kWhite, false);
    EXPECT_TRUE(fixtures::regionIs(stretched->image(), QRect(0, 0, 600, 600), Qt::red));
}

TEST(RescalePicture, HandlesThatCannotBeUsedGiveNoPicture)
{
    const PicturePtr picture = bitmapOf(solid(4, 4, Qt::red));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::None, 10, 10, kWhite, true));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::Icon, 10, 10, kWhite, true));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind(7), 10, 10, kWhite, true));
    EXPECT_FALSE(RescalePicture(nullptr, PictureKind::Bitmap, 10, 10, kWhite, true));
    EXPECT_FALSE(RescalePicture(bitmapOf(QImage()).get(), PictureKind::Bitmap, 10, 10, kWhite, true));
    const PicturePtr none = bitmapOf(solid(4, 4, Qt::red), PictureKind::None);
    EXPECT_FALSE(RescalePicture(none.get(), PictureKind::None, 10, 10, kWhite, true));
}

TEST(RescalePicture, ZeroHeightBoxOrHugeBoxGivesNoPicture)
{
    const PicturePtr picture = bitmapOf(solid(4, 4, Qt::red));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::Bitmap, 10, 0, kWhite, true));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::Bitmap, 10, 0, kWhite, false));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::Bitmap, 0, 10, kWhite, true));
    EXPECT_FALSE(RescalePicture(picture.get(), PictureKind::Bitmap, 100000, 100000, kWhite, true));
}

TEST(RescalePicture, IconsWithTransparencyAreDrawnOverTheBackground)
{
    QImage icon(8, 8, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const PicturePtr picture = bitmapOf(icon, PictureKind::Icon);
    const PicturePtr drawn = RescalePicture(picture.get(), PictureKind::Icon, 16, 16, 0x0000FF, false);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->kind(), PictureKind::Bitmap);
    EXPECT_TRUE(fixtures::regionIs(drawn->image(), drawn->image().rect(), Qt::red));
    EXPECT_EQ(picture->image().pixel(0, 0), qRgba(0, 0, 0, 0));
}

TEST(RescalePicture, SourcePictureIsLeftAsItWas)
{
    const QImage original = fixtures::photographic(50, 40);
    const PicturePtr picture = bitmapOf(original);
    const PicturePtr fitted = RescalePicture(picture.get(), PictureKind::Bitmap, 30, 30, kWhite, true);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(picture->image(), original);
    EXPECT_EQ(picture->image().size(), QSize(50, 40));
}

TEST(PictureObject, SettlesOn32BitPixels)
{
    QImage indexed(3, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3)});
    indexed.fill(0);
    const Picture picture(PictureKind::Bitmap, indexed);
    EXPECT_EQ(picture.image().depth(), 32);
    EXPECT_EQ(picture.image().pixel(1, 1), qRgb(1, 2, 3));
}
