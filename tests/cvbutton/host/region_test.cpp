// Tests of window shapes: rectangles, rounded rectangles and polygons cover exactly the pixels their rules
// say.
#include "cvbutton/host/region.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace cvbutton::host {
namespace {

bool samePixels(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}

int pixelCount(const Region& region)
{
    int count = 0;
    for (const QRect& rect : region.toQRegion())
        count += rect.width() * rect.height();
    return count;
}

TEST(RegionRectangle, ExcludesRightAndBottomAndAcceptsSwappedCorners)
{
    const Region region = Region::rectangle(0, 0, 40, 20);
    EXPECT_TRUE(region.contains(0, 0));
    EXPECT_TRUE(region.contains(39, 19));
    EXPECT_FALSE(region.contains(40, 0));
    EXPECT_FALSE(region.contains(0, 20));
    EXPECT_EQ(pixelCount(region), 800);
    EXPECT_TRUE(samePixels(Region::rectangle(40, 20, 0, 0).toQRegion(), region.toQRegion()));
    EXPECT_TRUE(Region::rectangle(5, 5, 5, 9).isEmpty());
}

TEST(RegionPolygon, ASquareOutlineEqualsTheRectangle)
{
    const Region square = Region::polygon({{0, 0}, {40, 0}, {40, 20}, {0, 20}});
    EXPECT_TRUE(samePixels(square.toQRegion(), Region::rectangle(0, 0, 40, 20).toQRegion()));
}

TEST(RegionPolygon, CutCornersOfTheRoundedGradientOutline)
{
    const int w = 40;
    const int h = 20;
    const Region region =
        Region::polygon({{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}});
    EXPECT_FALSE(region.contains(0, 0));
    EXPECT_TRUE(region.contains(1, 0));
    EXPECT_TRUE(region.contains(38, 0));
    EXPECT_FALSE(region.contains(39, 0));
    EXPECT_TRUE(region.contains(0, 1));
    EXPECT_TRUE(region.contains(39, 1));
    EXPECT_TRUE(region.contains(0, 18));
    EXPECT_FALSE(region.contains(0, 19));
    EXPECT_TRUE(region.contains(1, 19));
    EXPECT_TRUE(region.contains(38, 19));
    EXPECT_FALSE(region.contains(39, 19));
    EXPECT_FALSE(region.contains(0, 20));
}

TEST(RegionPolygon, UnevenCornersOfTheShadowedOutline)
{
    const int w = 30;
    const int h = 20;
    const Region region =
        Region::polygon({{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}});
    EXPECT_FALSE(region.contains(1, 0));
    EXPECT_TRUE(region.contains(2, 0));
    EXPECT_TRUE(region.contains(w - 4, 0));
    EXPECT_FALSE(region.contains(w - 3, 0));
    EXPECT_FALSE(region.contains(2, h - 1));
    EXPECT_TRUE(region.contains(3, h - 1));
    EXPECT_TRUE(region.contains(w - 3, h - 1));
    EXPECT_FALSE(region.contains(w - 2, h - 1));
}

TEST(RegionPolygon, AlternateFillLeavesTheOverlapOfASelfCrossingOutlineOut)
{
    const Region star = Region::polygon({{0, 0}, {10, 0}, {10, 10}, {5, 10}, {5, 5}, {15, 5}, {15, 15}, {0, 15}});
    EXPECT_TRUE(star.contains(2, 2));
    EXPECT_FALSE(star.contains(7, 7));
    EXPECT_TRUE(star.contains(12, 12));
    EXPECT_TRUE(Region::polygon({{0, 0}, {5, 5}}).isEmpty());
}

TEST(RegionRoundRectangle, StopsOnePixelShortAndRoundsTheCorners)
{
    const Region region = Region::roundRectangle(0, 0, 101, 31, 18, 18);
    EXPECT_TRUE(region.contains(50, 0));
    EXPECT_TRUE(region.contains(50, 29));
    EXPECT_TRUE(region.contains(99, 15));
    EXPECT_FALSE(region.contains(100, 15));
    EXPECT_FALSE(region.contains(50, 30));
    EXPECT_FALSE(region.contains(0, 0));
    EXPECT_FALSE(region.contains(99, 0));
    EXPECT_FALSE(region.contains(0, 29));
    EXPECT_FALSE(region.contains(99, 29));
    EXPECT_TRUE(region.contains(0, 15));
    EXPECT_TRUE(region.contains(9, 0));
    EXPECT_FALSE(region.contains(1, 1));
    EXPECT_TRUE(region.contains(4, 4));
}

TEST(RegionRoundRectangle, IsSymmetricAndFallsBackToARectangleForTinyEllipses)
{
    const Region region = Region::roundRectangle(0, 0, 41, 21, 18, 18);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(region.contains(x, y), region.contains(39 - x, 19 - y)) << x << "," << y;
    EXPECT_TRUE(samePixels(Region::roundRectangle(0, 0, 11, 11, 1, 1).toQRegion(),
                           Region::rectangle(0, 0, 10, 10).toQRegion()));
}

TEST(RegionWindow, BecomesTheWindowMaskAndAnEmptyRegionRemovesIt)
{
    QWidget window;
    window.resize(40, 20);
    const Region region = Region::roundRectangle(0, 0, 41, 21, 18, 18);
    region.applyTo(window);
    EXPECT_TRUE(samePixels(window.mask(), region.toQRegion()));
    Region().applyTo(window);
    EXPECT_TRUE(window.mask().isEmpty());
    region.applyTo(window);
    Region::removeFrom(window);
    EXPECT_TRUE(window.mask().isEmpty());
}

} // namespace
} // namespace cvbutton::host
