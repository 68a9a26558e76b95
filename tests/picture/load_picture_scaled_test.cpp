// Tests of loading a picture file at its own size or a given one.
#include "fixtures.h"
#include "picture/allocation_limit.h"
#include "picture/picture.h"

#include <QImageReader>
#include <gtest/gtest.h>

using namespace picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

class LoadPictureScaledTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_F(LoadPictureScaledTest, MinusOneGivesTheOwnSizeAndWritesBothSizesBack)
{
    const QString path = fixtures::writeImage(dir, "a.png", fixtures::halves(40, 30, Qt::red, Qt::blue), "png");
    for (const auto& [w, h] : {std::pair{-1, -1}, {500, -1}, {-1, 7}}) {
        int width = w, height = h;
        const PicturePtr loaded = LoadPictureScaled(path, width, height, kWhite, false);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(width, 40);
        EXPECT_EQ(height, 30);
        EXPECT_EQ(loaded->image().size(), QSize(40, 30));
        EXPECT_EQ(loaded->image(), fixtures::halves(40, 30, Qt::red, Qt::blue));
    }
}

TEST_F(LoadPictureScaledTest, GivenSizesAreKeptAndStretched)
{
    const QString path = fixtures::writeImage(dir, "a.png", fixtures::halves(40, 30, Qt::red, Qt::blue), "png");
    int width = 100, height = 20;
    const PicturePtr loaded = LoadPictureScaled(path, width, height, kWhite, false);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 20);
    EXPECT_TRUE(fixtures::regionIs(loaded->image(), QRect(0, 0, 45, 20), Qt::red));
    EXPECT_TRUE(fixtures::regionIs(loaded->image(), QRect(55, 0, 45, 20), Qt::blue));
}

TEST_F(LoadPictureScaledTest, ResultIsAnOpaque32BitBitmapPicture)
{
    const QString path = fixtures::writeImage(dir, "a.png", fixtures::halves(4, 4, Qt::red, Qt::blue), "png");
    int width = -1, height = -1;
    const PicturePtr loaded = LoadPictureScaled(path, width, height, kWhite, false);
    EXPECT_EQ(loaded->kind(), PictureKind::Bitmap);
    EXPECT_EQ(loaded->image().format(), QImage::Format_RGB32);
}

TEST_F(LoadPictureScaledTest, TransparentAreasShowTheBackground)
{
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgba(0, 0, 255, 255));
    const QString path = fixtures::writeImage(dir, "t.png", image, "png");
    int width = -1, height = -1;
    const QImage white = LoadPictureScaled(path, width, height, kWhite, false)->image();
    EXPECT_TRUE(fixtures::regionIs(white, QRect(0, 0, 10, 10), Qt::blue));
    EXPECT_TRUE(fixtures::regionIs(white, QRect(10, 0, 10, 10), Qt::white));
    const QImage green = LoadPictureScaled(path, width, height, 0x00FF00, false)->image();
    EXPECT_TRUE(fixtures::regionIs(green, QRect(10, 0, 10, 10), Qt::green));
}

TEST_F(LoadPictureScaledTest, BackColourUsesRedInTheLowByte)
{
    const QString path = fixtures::writeImage(dir, "a.png", fixtures::halves(10, 10, Qt::red, Qt::red), "png");
    int width = 30, height = 10;
    const QImage image = LoadPictureScaled(path, width, height, 0x00332211, true)->image();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(image.pixel(15, 5), qRgb(255, 0, 0));
}

TEST_F(LoadPictureScaledTest, FailuresCarryNumberSourceAndPath)
{
    const QString missing = dir.filePath("x/a.jpg");
    int width = -1, height = -1;
    try {
        LoadPictureScaled(missing, width, height, kWhite, false);
        FAIL() << "a missing file must not load";
    } catch (const PictureError& error) {
        EXPECT_EQ(error.number(), 999);
        EXPECT_EQ(error.source(), "GDI+ Module");
        EXPECT_EQ(error.description(), "Error loading picture " + missing);
        EXPECT_STREQ(error.what(), qPrintable("Error loading picture " + missing));
    }
    EXPECT_EQ(width, -1);
}

TEST_F(LoadPictureScaledTest, UnreadableAndUnsupportedFilesFail)
{
    int width = -1, height = -1;
    const QString text = fixtures::writeBytes(dir, "notes.jpg", "just some text, not a picture");
    EXPECT_THROW(LoadPictureScaled(text, width, height, kWhite, false), PictureError);
    const QString empty = fixtures::writeBytes(dir, "empty.png", QByteArray());
    EXPECT_THROW(LoadPictureScaled(empty, width, height, kWhite, false), PictureError);
    const QString truncated = fixtures::writeBytes(dir, "cut.png", fixtures::pngHeaderOnly(10, 10).left(20));
    EXPECT_THROW(LoadPictureScaled(truncated, width, height, kWhite, false), PictureError);
    EXPECT_THROW(LoadPictureScaled(dir.path(), width, height, kWhite, false), PictureError);
}

TEST_F(LoadPictureScaledTest, ZeroOrNegativeSizesFailCleanly)
{
    const QString path = fixtures::writeImage(dir, "a.png", fixtures::halves(40, 30, Qt::red, Qt::blue), "png");
    for (const auto& [w, h] : {std::pair{100, 0}, {0, 100}, {-5, 10}}) {
        int width = w, height = h;
        EXPECT_THROW(LoadPictureScaled(path, width, height, kWhite, true), PictureError);
        EXPECT_THROW(LoadPictureScaled(path, width, height, kWhite, false), PictureError);
    }
}

// How quickly the refusal comes is measured by bench/allocation_limit, beside a header read.
TEST_F(LoadPictureScaledTest, PicturesBeyondTheAllocationLimitFailInsteadOfExhaustingMemory)
{
    const QString huge = fixtures::writeBytes(dir, "huge.png", fixtures::pngHeaderOnly(40000, 40000));
    int width = -1, height = -1;
    EXPECT_THROW(LoadPictureScaled(huge, width, height, kWhite, false), PictureError);
    EXPECT_THROW(loadFitted(huge, QSize(593, 193), kWhite), PictureError);

    const QString small = fixtures::writeImage(dir, "a.png", fixtures::halves(4, 4, Qt::red, Qt::blue), "png");
    int tooWide = 100000, tooTall = 100000;
    EXPECT_THROW(LoadPictureScaled(small, tooWide, tooTall, kWhite, false), PictureError);
}

TEST_F(LoadPictureScaledTest, PicturesAboveTheToolkitsDefaultLimitStillShow)
{
    // 6000 x 6000 at 32 bits is 144 MB, more than the toolkit admits unless told otherwise.
    QImage big(6000, 6000, QImage::Format_RGB32);
    big.fill(Qt::red);
    const QString path = fixtures::writeImage(dir, "big.png", big, "png");
    big = QImage();
    const QImage fitted = loadFitted(path, QSize(593, 193), kWhite)->image();
    EXPECT_TRUE(fixtures::regionIs(fitted, QRect(200, 0, 193, 193), Qt::red));
    EXPECT_TRUE(fixtures::regionIs(fitted, QRect(0, 0, 200, 193), Qt::white));
    EXPECT_EQ(QImageReader::allocationLimit(), kAllocationLimitMegabytes);
}

TEST(AllocationLimit, AdmitsTheLargestPicturesWeMeanToShow)
{
    EXPECT_TRUE(fitsAllocationLimit(QSize(20000, 20000)));
    EXPECT_TRUE(fitsAllocationLimit(QSize(12000, 8400)));
    EXPECT_FALSE(fitsAllocationLimit(QSize(30000, 30000)));
    EXPECT_FALSE(fitsAllocationLimit(QSize(0, 10)));
    EXPECT_FALSE(fitsAllocationLimit(QSize(10, -1)));
}
