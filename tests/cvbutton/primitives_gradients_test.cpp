// Tests of the gradient primitives: their rows, end colours and single-precision steps.
#include "cvbutton/render/gradients.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

namespace cvbutton::render {
namespace {

using surface_pixels::kPaper;
using surface_pixels::paper;
using surface_pixels::pixelsOf;

TEST(DrawVGradient, DrawsStepsPlusOneRowsEndingExactlyOnBothColours)
{
    Surface surface = paper(12, 5);
    DrawVGradientDC(surface, 0x000000, 0x0000FF, 0, 0, 10, 2);
    EXPECT_EQ(surface.pixel(0, 0), 0x000000u);
    EXPECT_EQ(surface.pixel(9, 1), 0x000080u);
    EXPECT_EQ(surface.pixel(0, 2), 0x0000FFu);
    EXPECT_EQ(surface.pixel(10, 1), kPaper);
    EXPECT_EQ(surface.pixel(0, 3), kPaper);
}

TEST(DrawVGradient, KeepsTheStepInSinglePrecision)
{
    Surface surface = paper(2, 8);
    DrawVGradientDC(surface, 0x000000, 0x000001, 0, 0, 1, 6);
    EXPECT_EQ(surface.pixel(0, 3), 0x000001u);
    EXPECT_EQ(surface.pixel(0, 2), 0x000000u);
}

TEST(DrawVGradient, WithoutStepsDrawsNothing)
{
    Surface surface = paper(5, 5);
    DrawVGradientDC(surface, 0x0000FF, 0x0000FF, 0, 0, 5, 0);
    DrawVGradientDC(surface, 0x0000FF, 0x0000FF, 0, 0, 5, -3);
    EXPECT_EQ(pixelsOf(surface, kPaper).size(), 25u);
}

TEST(DrawVGradient, AHugeStepCountOnlyCostsTheVisibleRows)
{
    Surface surface = paper(3, 4);
    DrawVGradientDC(surface, 0x000000, 0xFFFFFF, 0, -2, 3, 2000000000);
    EXPECT_TRUE(pixelsOf(surface, kPaper).empty());
}

TEST(DrawVGradient, ALeftwardLineColoursItsStartColumnOnly)
{
    Surface surface = paper(6, 3);
    DrawVGradientDC(surface, 0x000000, 0x000000, 4, 0, 3, 2);
    EXPECT_EQ(pixelsOf(surface, 0x000000), (surface_pixels::Pixels{{4, 0}, {4, 1}, {4, 2}}));
}

TEST(DrawHGradient, DrawsColumnsLeftToRightInclusiveWithoutTheBottomRow)
{
    Surface surface = paper(6, 4);
    DrawHGradient(surface, 0x000000, 0xFF0000, 1, 0, 3, 3);
    EXPECT_EQ(surface.pixel(1, 0), 0x000000u);
    EXPECT_EQ(surface.pixel(2, 2), 0x800000u);
    EXPECT_EQ(surface.pixel(3, 0), 0xFF0000u);
    EXPECT_EQ(surface.pixel(3, 3), kPaper);
    EXPECT_EQ(surface.pixel(4, 0), kPaper);
}

TEST(DrawHGradient, DrawsNothingWhenRightIsNotRightOfLeft)
{
    Surface surface = paper(6, 4);
    DrawHGradient(surface, 0x000000, 0x000000, 2, 0, 2, 3);
    DrawHGradient(surface, 0x000000, 0x000000, 3, 0, 1, 3);
    EXPECT_EQ(pixelsOf(surface, kPaper).size(), 24u);
}

} // namespace
} // namespace cvbutton::render
