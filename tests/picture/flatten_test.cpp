// Tests of flattening transparency onto a background colour.
#include "fixtures.h"
#include "picture/flatten.h"

#include <gtest/gtest.h>

using picture::flattenOnto;

TEST(Flatten, TransparencyTakesTheBackgroundInProportion)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 128));
    image.setPixel(2, 0, qRgba(10, 20, 30, 255));
    const QImage flat = flattenOnto(image, qRgb(255, 255, 255));
    EXPECT_EQ(flat.format(), QImage::Format_RGB32);
    EXPECT_EQ(flat.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(fixtures::regionIs(flat, QRect(1, 0, 1, 1), QColor(255, 127, 127), 1));
    EXPECT_EQ(flat.pixel(2, 0), qRgb(10, 20, 30));
}

TEST(Flatten, OtherBackgroundsShowThroughToo)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    EXPECT_EQ(flattenOnto(image, qRgb(1, 2, 3)).pixel(0, 0), qRgb(1, 2, 3));
}

TEST(Flatten, OpaquePicturesOnlyChangeFormat)
{
    QImage gray(2, 1, QImage::Format_Grayscale8);
    gray.setPixel(0, 0, qRgb(7, 7, 7));
    gray.setPixel(1, 0, qRgb(250, 250, 250));
    const QImage flat = flattenOnto(gray, qRgb(255, 0, 0));
    EXPECT_EQ(flat.format(), QImage::Format_RGB32);
    EXPECT_EQ(flat.pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(flat.pixel(1, 0), qRgb(250, 250, 250));
}

TEST(Flatten, SharedPixelsOfTheCallerStayUntouched)
{
    QImage original(1, 1, QImage::Format_ARGB32_Premultiplied);
    original.fill(Qt::transparent);
    const QImage copy = original;
    flattenOnto(copy, qRgb(255, 255, 255));
    EXPECT_EQ(original.pixel(0, 0), qRgba(0, 0, 0, 0));
}
