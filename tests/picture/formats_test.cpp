// Tests that every listed picture type decodes, told by its content rather than its name.
#include "fixtures.h"
#include "picture/picture.h"

#include <gtest/gtest.h>

using namespace picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

struct Sample {
    const char* name;
    const char* format;
};

QImage loadOwnSize(const QString& path)
{
    int width = -1, height = -1;
    return LoadPictureScaled(path, width, height, kWhite, false)->image();
}

std::vector<uint8_t> filled(int count, uint8_t index)
{
    return std::vector<uint8_t>(size_t(count), index);
}

} // namespace

TEST(Formats, EveryListedTypeDecodes)
{
    QTemporaryDir dir;
    const QImage source = fixtures::halves(32, 16, Qt::red, Qt::blue);
    const Sample samples[] = {{"a.jpg", "jpg"}, {"a.jpeg", "jpg"}, {"a.jpe", "jpg"}, {"a.jfif", "jpg"},
                              {"a.png", "png"}, {"a.bmp", "bmp"},  {"a.tif", "tif"}, {"a.tiff", "tif"},
                              {"A.JPG", "jpg"}, {"B.TIFF", "tif"}};
    for (const Sample& sample : samples) {
        const QString path = fixtures::writeImage(dir, sample.name, source, sample.format);
        const QImage image = loadOwnSize(path);
        EXPECT_EQ(image.size(), QSize(32, 16)) << sample.name;
        EXPECT_TRUE(fixtures::regionIs(image, QRect(2, 2, 10, 12), Qt::red, 24)) << sample.name;
        EXPECT_TRUE(fixtures::regionIs(image, QRect(20, 2, 10, 12), Qt::blue, 24)) << sample.name;
    }
    const QString gif = fixtures::writeBytes(
        dir, "a.gif", fixtures::gifBytes(32, 16, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, {filled(32 * 16, 1)}));
    EXPECT_TRUE(fixtures::regionIs(loadOwnSize(gif), QRect(0, 0, 32, 16), Qt::blue)) << "a.gif";
}

TEST(Formats, TheContentDecidesNotTheName)
{
    QTemporaryDir dir;
    const QString path = fixtures::writeImage(dir, "really-a-png.jpg", fixtures::halves(8, 8, Qt::red, Qt::red), "png");
    EXPECT_TRUE(fixtures::regionIs(loadOwnSize(path), QRect(0, 0, 8, 8), Qt::red));
}

TEST(Formats, AnimatedGifShowsItsFirstFrame)
{
    QTemporaryDir dir;
    const int pixels = 12 * 10;
    const QString path =
        fixtures::writeBytes(dir, "anim.gif",
                             fixtures::gifBytes(12, 10, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                                {filled(pixels, 0), filled(pixels, 1), filled(pixels, 2)}));
    EXPECT_TRUE(fixtures::regionIs(loadOwnSize(path), QRect(0, 0, 12, 10), Qt::red));
    EXPECT_TRUE(fixtures::regionIs(loadFitted(path, QSize(24, 20), kWhite)->image(), QRect(0, 0, 24, 20), Qt::red));
}

TEST(Formats, GifTransparencyShowsTheBackground)
{
    QTemporaryDir dir;
    std::vector<uint8_t> frame(16 * 8, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            frame[size_t(y * 16 + x)] = 1;
    const QString path =
        fixtures::writeBytes(dir, "t.gif", fixtures::gifBytes(16, 8, {qRgb(0, 0, 0), qRgb(0, 0, 255)}, {frame}, 0));
    const QImage image = loadOwnSize(path);
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 8, 8), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(8, 0, 8, 8), Qt::blue));
}

TEST(Formats, SixteenBitAndGrayPicturesDecode)
{
    QTemporaryDir dir;
    QImage deep(6, 6, QImage::Format_RGBA64);
    deep.fill(QColor(0, 255, 0));
    QImage gray(6, 6, QImage::Format_Grayscale8);
    gray.fill(qRgb(90, 90, 90));
    EXPECT_TRUE(fixtures::regionIs(loadOwnSize(fixtures::writeImage(dir, "deep.png", deep, "png")), QRect(0, 0, 6, 6),
                                   Qt::green));
    EXPECT_TRUE(fixtures::regionIs(loadOwnSize(fixtures::writeImage(dir, "gray.png", gray, "png")), QRect(0, 0, 6, 6),
                                   QColor(90, 90, 90)));
}
