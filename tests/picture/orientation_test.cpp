// Tests that pictures are shown upright by their EXIF orientation.
#include "fixtures.h"
#include "picture/picture.h"

#include <gtest/gtest.h>

using namespace picture;

// Phones store pictures as the sensor saw them and record how to turn them in an EXIF tag; the
// picture must be shown upright, with its size taken upright.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// Stored 40 x 20 with red on the left and blue on the right; orientation 6 turns it a quarter
// clockwise, so upright it is 20 x 40 with red on top.
QString sidewaysJpeg(const QTemporaryDir& dir, int width = 40, int height = 20)
{
    return fixtures::writeBytes(dir, "phone.jpg",
                                fixtures::jpegWithOrientation(fixtures::halves(width, height, Qt::red, Qt::blue), 6));
}

} // namespace

TEST(Orientation, OwnSizeAndPixelsAreUpright)
{
    QTemporaryDir dir;
    int width = -1, height = -1;
    const QImage image = LoadPictureScaled(sidewaysJpeg(dir), width, height, kWhite, false)->image();
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 40);
    EXPECT_TRUE(fixtures::regionIs(image, QRect(2, 2, 16, 14), Qt::red, 24));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(2, 24, 16, 14), Qt::blue, 24));
}

TEST(Orientation, UpsideDownPictureIsTurnedAround)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeBytes(
        dir, "flip.jpg", fixtures::jpegWithOrientation(fixtures::halves(40, 20, Qt::red, Qt::blue), 3));
    int width = -1, height = -1;
    const QImage image = LoadPictureScaled(path, width, height, kWhite, false)->image();
    EXPECT_EQ(QSize(width, height), QSize(40, 20));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(2, 2, 14, 16), Qt::blue, 24));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(24, 2, 14, 16), Qt::red, 24));
}

TEST(Orientation, ReducedDecodeOfASidewaysPhotoIsFittedUpright)
{
    // Upright 800 x 1600 into 100 x 100: drawn 50 x 100 at (25, 0), decoded at 1/8 (100 x 200 upright).
    QTemporaryDir dir;
    const QImage image = loadFitted(sidewaysJpeg(dir, 1600, 800), QSize(100, 100), kWhite)->image();
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 25, 100), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(75, 0, 25, 100), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(26, 2, 48, 44), Qt::red, 24));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(26, 54, 48, 44), Qt::blue, 24));
}
