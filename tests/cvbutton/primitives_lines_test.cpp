// Tests of the line and box primitives: end pixels, pens and overflow.
#include "cvbutton/render/etched_frame.h"
#include "cvbutton/render/lines_boxes.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

#include <limits>

namespace cvbutton::render {
namespace {

using surface_pixels::paper;
using surface_pixels::Pixels;
using surface_pixels::pixelsOf;

constexpr Colorref kInk = 0x0000FF;
constexpr int kMaxInt = std::numeric_limits<int>::max();

TEST(DrawLine, ColoursTheStartButNotTheEndPixel)
{
    Surface surface = paper(8, 3);
    DrawLineDC(surface, 0, 0, 5, 0, kInk);
    EXPECT_EQ(pixelsOf(surface, kInk), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    DrawLineDC(surface, 5, 2, 2, 2, kInk);
    EXPECT_TRUE(pixelsOf(surface, kInk).count({5, 2}));
    EXPECT_FALSE(pixelsOf(surface, kInk).count({2, 2}));
}

TEST(DrawLine, PutsThePreviousPenBack)
{
    Surface surface = paper(4, 4);
    surface.selectPen({0x00FF00});
    DrawLineDC(surface, 0, 0, 3, 0, kInk);
    EXPECT_EQ(surface.selectPen({0}).color, 0x00FF00u);
}

TEST(FillBox, FillsExactlyWidthTimesHeightPixels)
{
    Surface surface = paper(10, 10);
    FillBox(surface, 2, 3, 4, 2, kInk);
    EXPECT_EQ(pixelsOf(surface, kInk).size(), 8u);
    EXPECT_TRUE(pixelsOf(surface, kInk).count({5, 4}));
    FillBox(surface, 0, 0, 0, 5, 0x00FF00);
    FillBox(surface, 0, 0, 5, 0, 0x00FF00);
    EXPECT_TRUE(pixelsOf(surface, 0x00FF00).empty());
}

TEST(FillBox, StopsWhenTheFarEdgeOverflows)
{
    Surface surface = paper(10, 10);
    FillBox(surface, 5, 0, kMaxInt, 5, kInk);
    EXPECT_TRUE(pixelsOf(surface, kInk).empty());
}

TEST(DrawBox, GivenTheSizeLessOneOutlinesTheOuterRing)
{
    const int w = 7;
    const int h = 5;
    Surface surface = paper(w, h);
    DrawBox(surface, 0, 0, w - 1, h - 1, kInk);
    const Pixels ink = pixelsOf(surface, kInk);
    EXPECT_EQ(ink.size(), static_cast<std::size_t>(2 * w + 2 * h - 4));
    for (const auto& [x, y] : ink)
        EXPECT_TRUE(x == 0 || y == 0 || x == w - 1 || y == h - 1) << x << "," << y;
    EXPECT_TRUE(ink.count({0, 0}) && ink.count({w - 1, h - 1}) && ink.count({0, h - 1}) && ink.count({w - 1, 0}));
}

TEST(DrawBox, AnOverflowingBottomKeepsTheTopSideAlreadyDrawn)
{
    Surface surface = paper(10, 10);
    DrawBox(surface, 1, 2, 4, kMaxInt, kInk);
    EXPECT_EQ(pixelsOf(surface, kInk), (Pixels{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
}

TEST(DrawEdgeBox, RoundsItsCornersHalfToEven)
{
    const platform::SystemColors colors = platform::SystemColors::windows10();
    const Colorref highlight = colors.color(platform::COLOR_BTNHIGHLIGHT);
    Surface surface = paper(12, 12);
    surface.setBackgroundColor(0);
    surface.clear();
    DrawEdgeBox(surface, 0.5f, 1.5f, 8.0f, 7.0f, host::BDR_RAISEDINNER, host::BF_RECT, colors);
    EXPECT_EQ(surface.pixel(0, 2), highlight);
    EXPECT_EQ(surface.pixel(0, 1), 0u);
    EXPECT_EQ(surface.pixel(7, 5), colors.color(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(surface.pixel(7, 8), 0u);
    EXPECT_EQ(surface.pixel(8, 5), 0u);
}

TEST(DrawEdgeBox, BeyondTheIntegerRangeDrawsNothing)
{
    Surface surface = paper(4, 4);
    DrawEdgeBox(surface, 0.0f, 0.0f, 3.0e9f, 4.0f, host::EDGE_RAISED, host::BF_RECT,
                platform::SystemColors::windows10());
    EXPECT_EQ(pixelsOf(surface, surface_pixels::kPaper).size(), 16u);
}

TEST(DrawEtchedFrame, DrawsTwoOffsetOutlinesWithMixedCrossingsAndCornerPixels)
{
    constexpr Colorref shadow = 0xA0A0A0;
    constexpr Colorref window = 0xFFFFFE;
    constexpr Colorref face = 0xF0F0F0;
    Surface surface = paper(12, 10);
    DrawEtchedFrame(surface, 0, 0, 11, 9, shadow, window, face);
    EXPECT_EQ(surface.pixel(0, 0), shadow);
    EXPECT_EQ(surface.pixel(10, 0), shadow);
    EXPECT_EQ(surface.pixel(0, 8), shadow);
    EXPECT_EQ(surface.pixel(11, 9), window);
    EXPECT_EQ(surface.pixel(1, 1), window);
    EXPECT_EQ(surface.pixel(0, 9), face);
    EXPECT_EQ(surface.pixel(11, 0), face);
    EXPECT_EQ(surface.pixel(1, 8), 0xD0D0CFu);
    EXPECT_EQ(surface.pixel(10, 1), 0xD0D0CFu);
}

} // namespace
} // namespace cvbutton::render
