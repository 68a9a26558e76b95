// Tests of the bicubic resampler: its taps, flat colours, hard edges, fine detail and the area it draws in.
#include "fixtures.h"
#include "picture/bicubic_resampler.h"
#include "picture/bicubic_taps.h"

#include <gtest/gtest.h>
#include <numeric>

using picture::bicubicTaps;
using picture::drawBicubic;

namespace {

QImage canvas(QSize size, QRgb fill = qRgb(255, 255, 255))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage resampled(const QImage& source, QSize size)
{
    QImage target = canvas(size);
    drawBicubic(source, target, QRect(QPoint(0, 0), size));
    return target;
}

QImage checkerboard(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

} // namespace

TEST(BicubicTaps, WeightsOfEveryOutputSumToOne)
{
    for (const auto& [from, to] : {std::pair{6000, 290}, {100, 593}, {7, 3}, {3, 7}, {1, 5}, {5, 1}}) {
        const auto axis = bicubicTaps(from, to);
        for (int i = 0; i < to; ++i) {
            const float* w = axis.weights.data() + size_t(i) * size_t(axis.taps);
            EXPECT_NEAR(std::accumulate(w, w + axis.taps, 0.0), 1.0, 1e-5) << from << "->" << to << " at " << i;
            EXPECT_GE(axis.first[size_t(i)], 0);
            EXPECT_LE(axis.first[size_t(i)] + axis.taps, from);
        }
    }
}

TEST(BicubicTaps, ShrinkingWidensTheKernelByTheScale)
{
    EXPECT_EQ(bicubicTaps(100, 100).taps, 5);
    EXPECT_GE(bicubicTaps(1000, 100).taps, 40);
}

TEST(Resampler, FlatColourStaysFlatAtAnyScale)
{
    const QRgb colour = qRgb(12, 200, 77);
    for (const QSize from : {QSize(13, 9), QSize(640, 480), QSize(1, 1)})
        for (const QSize to : {QSize(3, 2), QSize(593, 193), QSize(29, 41)}) {
            const QImage out = resampled(canvas(from, colour), to);
            EXPECT_TRUE(fixtures::regionIs(out, out.rect(), QColor(colour))) << from.width() << "->" << to.width();
        }
}

TEST(Resampler, SameSizeIsAnExactCopy)
{
    const QImage source = fixtures::photographic(37, 23);
    EXPECT_EQ(resampled(source, source.size()), source);
}

TEST(Resampler, OvershootAtHardEdgesIsClampedNotWrapped)
{
    // Catmull-Rom rings beside a black/white step; the ringing must saturate at 0 and 255, never wrap
    // around to the opposite end.
    const QImage out = resampled(fixtures::halves(8, 4, Qt::black, Qt::white), QSize(80, 4));
    EXPECT_TRUE(fixtures::regionIs(out, QRect(0, 0, 35, 4), Qt::black));
    EXPECT_TRUE(fixtures::regionIs(out, QRect(45, 0, 35, 4), Qt::white));
    for (int x = 35; x < 45; ++x)
        EXPECT_LE(qRed(out.pixel(x, 1)), qRed(out.pixel(x + 1, 1))) << "x=" << x;
}

TEST(Resampler, ShrinkingFineDetailAveragesInsteadOfAliasing)
{
    // A one-pixel checkerboard holds nothing a smaller picture can show; a kernel that were not
    // widened would sample it into stripes of black and white.
    const QImage out = resampled(checkerboard(300, 300), QSize(70, 70));
    for (int y = 2; y < 68; ++y)
        for (int x = 2; x < 68; ++x)
            ASSERT_NEAR(qRed(out.pixel(x, y)), 128, 3) << x << "," << y;
}

TEST(Resampler, LinearGradientSurvivesALargeShrinkInBothHalvesOfTheRows)
{
    // Large enough to be split between two threads; the interior of a linear ramp must come out as the
    // ramp's value at each output pixel's centre (less the half level the source lost to truncation).
    const int width = 1600, height = 1200;
    QImage source(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            source.setPixel(x, y, qRgb(int(x * 255.0 / width), int(y * 255.0 / height), 90));
    const QImage out = resampled(source, QSize(160, 120));
    for (int y = 4; y < 116; ++y)
        for (int x = 4; x < 156; ++x) {
            ASSERT_NEAR(qRed(out.pixel(x, y)), ((x + 0.5) * 10 - 0.5) * 255.0 / width - 0.5, 1.0) << x << "," << y;
            ASSERT_NEAR(qGreen(out.pixel(x, y)), ((y + 0.5) * 10 - 0.5) * 255.0 / height - 0.5, 1.0) << x << "," << y;
            ASSERT_EQ(qBlue(out.pixel(x, y)), 90);
        }
}

TEST(Resampler, DrawsOnlyInsideTheArea)
{
    QImage target = canvas(QSize(40, 30));
    drawBicubic(canvas(QSize(13, 7), qRgb(0, 0, 255)), target, QRect(5, 6, 21, 11));
    EXPECT_TRUE(fixtures::regionIs(target, QRect(5, 6, 21, 11), Qt::blue));
    EXPECT_TRUE(fixtures::regionIs(target, QRect(0, 0, 40, 6), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(target, QRect(0, 17, 40, 13), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(target, QRect(0, 6, 5, 11), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(target, QRect(26, 6, 14, 11), Qt::white));
}

TEST(Resampler, EmptyAreaDrawsNothing)
{
    QImage target = canvas(QSize(10, 10));
    drawBicubic(canvas(QSize(5, 5), qRgb(0, 0, 0)), target, QRect(0, 5, 10, 0));
    EXPECT_TRUE(fixtures::regionIs(target, target.rect(), Qt::white));
}

TEST(Resampler, UpscaledPictureKeepsItsLayout)
{
    const QImage out = resampled(fixtures::halves(10, 10, Qt::red, Qt::blue), QSize(101, 37));
    EXPECT_TRUE(fixtures::regionIs(out, QRect(0, 0, 40, 37), Qt::red));
    EXPECT_TRUE(fixtures::regionIs(out, QRect(61, 0, 40, 37), Qt::blue));
}
