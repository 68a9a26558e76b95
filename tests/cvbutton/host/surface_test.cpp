// Tests of the drawing surface's pixel rules: lines, filled rectangles, edges, pictures, copies, 24-bit rows
// and text.
#include "cvbutton/host/surface.h"
#include "support/surface_pixels.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace cvbutton::host {
namespace {

constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kInk = 0x0000FF;

using surface_pixels::Pixels;
using surface_pixels::pixelsOf;
// The edges are drawn in the desktop's colours, named as platform/ names them.
using namespace platform;

Surface whiteSurface(int width = 20, int height = 20)
{
    return surface_pixels::paper(width, height);
}

Pixels line(int x1, int y1, int x2, int y2)
{
    Surface surface = whiteSurface();
    surface.selectPen({kInk});
    surface.moveTo(x1, y1);
    surface.lineTo(x2, y2);
    return pixelsOf(surface, kInk);
}

// Pixels that differ from the background, as the bounding box of what text drew.
QRect drawnArea(const Surface& surface)
{
    QRect area;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.pixel(x, y) != surface.backgroundColor())
                area |= QRect(x, y, 1, 1);
    return area;
}

TEST(SurfaceLines, LeaveOutTheirEndPixelInEveryDirection)
{
    EXPECT_EQ(line(2, 5, 6, 5), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    EXPECT_EQ(line(6, 5, 2, 5), (Pixels{{6, 5}, {5, 5}, {4, 5}, {3, 5}}));
    EXPECT_EQ(line(5, 2, 5, 5), (Pixels{{5, 2}, {5, 3}, {5, 4}}));
    EXPECT_EQ(line(5, 5, 5, 2), (Pixels{{5, 5}, {5, 4}, {5, 3}}));
    EXPECT_EQ(line(1, 1, 4, 4), (Pixels{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(line(4, 4, 1, 1), (Pixels{{4, 4}, {3, 3}, {2, 2}}));
    EXPECT_EQ(line(1, 4, 4, 1), (Pixels{{1, 4}, {2, 3}, {3, 2}}));
    EXPECT_EQ(line(4, 1, 1, 4), (Pixels{{4, 1}, {3, 2}, {2, 3}}));
}

TEST(SurfaceLines, WithEqualEndsDrawNothing)
{
    EXPECT_TRUE(line(3, 3, 3, 3).empty());
}

TEST(SurfaceLines, PassingBetweenTwoPixelsLightTheUpperOrLeftOneBothWays)
{
    EXPECT_EQ(line(0, 0, 4, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(line(4, 2, 0, 0), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
    EXPECT_EQ(line(0, 0, 2, 4), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(line(2, 4, 0, 0), (Pixels{{2, 4}, {1, 3}, {1, 2}, {0, 1}}));
}

TEST(SurfaceLines, AreClippedAndMoveThePenToTheirEnd)
{
    Surface surface = whiteSurface(10, 10);
    surface.selectPen({kInk});
    surface.moveTo(-2000000000, 3);
    surface.lineTo(2000000000, 3);
    surface.lineTo(2000000000, 2000000000);
    EXPECT_EQ(pixelsOf(surface, kInk).size(), 10u);
    EXPECT_EQ(surface.pixel(0, 3), kInk);
    EXPECT_EQ(surface.pixel(9, 3), kInk);
}

TEST(SurfaceLines, SelectingAPenHandsBackThePreviousOne)
{
    Surface surface = whiteSurface();
    surface.selectPen({0x123456});
    EXPECT_EQ(surface.selectPen({kInk}).color, 0x123456u);
    EXPECT_EQ(surface.selectPen({0}).color, kInk);
}

TEST(SurfacePixels, FillExcludesRightAndBottomEdges)
{
    Surface surface = whiteSurface(10, 10);
    surface.fillRect({2, 3, 5, 6}, kInk);
    EXPECT_EQ(pixelsOf(surface, kInk).size(), 9u);
    EXPECT_EQ(surface.pixel(2, 3), kInk);
    EXPECT_EQ(surface.pixel(4, 5), kInk);
    EXPECT_EQ(surface.pixel(5, 5), kWhite);
    EXPECT_EQ(surface.pixel(4, 6), kWhite);
    surface.fillRect({6, 6, 6, 9}, kInk);
    surface.fillRect({8, 8, 7, 9}, kInk);
    EXPECT_EQ(pixelsOf(surface, kInk).size(), 9u);
}

TEST(SurfacePixels, OutsideTheSurfaceReadInvalidAndIgnoreWrites)
{
    Surface surface = whiteSurface(4, 4);
    surface.setPixel(4, 0, kInk);
    surface.setPixel(-1, 0, kInk);
    EXPECT_TRUE(pixelsOf(surface, kInk).empty());
    EXPECT_EQ(surface.pixel(4, 0), kInvalidColor);
    surface.setPixel(3, 3, kInk);
    EXPECT_EQ(surface.pixel(3, 3), kInk);
}

TEST(SurfacePixels, ClearFillsWithTheBackgroundColour)
{
    Surface surface(3, 3);
    surface.setBackgroundColor(0x00FF00);
    surface.clear();
    EXPECT_EQ(pixelsOf(surface, 0x00FF00).size(), 9u);
    surface.resize(5, 2);
    EXPECT_EQ(pixelsOf(surface, 0x00FF00).size(), 10u);
}

TEST(SurfaceEdges, RaisedAndSunkenUseTheGivenColourPairs)
{
    const SystemColors colors = SystemColors::windows10();
    Surface surface = whiteSurface(10, 8);
    surface.drawEdge({0, 0, 10, 8}, EDGE_RAISED, BF_RECT, colors);
    EXPECT_EQ(surface.pixel(0, 0), colors.color(COLOR_3DLIGHT));
    EXPECT_EQ(surface.pixel(8, 0), colors.color(COLOR_3DLIGHT));
    EXPECT_EQ(surface.pixel(9, 0), colors.color(COLOR_3DDKSHADOW));
    EXPECT_EQ(surface.pixel(0, 7), colors.color(COLOR_3DDKSHADOW));
    EXPECT_EQ(surface.pixel(9, 7), colors.color(COLOR_3DDKSHADOW));
    EXPECT_EQ(surface.pixel(1, 1), colors.color(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(surface.pixel(8, 6), colors.color(COLOR_BTNSHADOW));
    EXPECT_EQ(surface.pixel(2, 2), kWhite);

    surface.drawEdge({0, 0, 10, 8}, EDGE_SUNKEN, BF_RECT, colors);
    EXPECT_EQ(surface.pixel(0, 0), colors.color(COLOR_BTNSHADOW));
    EXPECT_EQ(surface.pixel(9, 7), colors.color(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(surface.pixel(1, 1), colors.color(COLOR_3DDKSHADOW));
    EXPECT_EQ(surface.pixel(8, 6), colors.color(COLOR_3DLIGHT));
}

TEST(SurfaceEdges, SingleBordersDrawOneRingOnTheChosenSides)
{
    const SystemColors colors = SystemColors::windows10();
    Surface surface = whiteSurface(6, 6);
    surface.drawEdge({0, 0, 6, 6}, BDR_RAISEDINNER, BF_RECT, colors);
    EXPECT_EQ(surface.pixel(0, 0), colors.color(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(surface.pixel(5, 5), colors.color(COLOR_BTNSHADOW));
    EXPECT_EQ(surface.pixel(1, 1), kWhite);

    Surface top = whiteSurface(6, 6);
    top.drawEdge({0, 0, 6, 6}, BDR_SUNKENOUTER, BF_TOP, colors);
    EXPECT_EQ(top.pixel(5, 0), colors.color(COLOR_BTNSHADOW));
    EXPECT_EQ(top.pixel(0, 1), kWhite);
    EXPECT_EQ(top.pixel(5, 5), kWhite);
}

TEST(SurfaceCopies, CopyAnAreaAndClipAtBothSurfaces)
{
    Surface source = whiteSurface(4, 4);
    source.fillRect({0, 0, 2, 2}, kInk);
    Surface target = whiteSurface(5, 5);
    target.copyFrom(3, 3, 4, 4, source, 0, 0);
    EXPECT_EQ(pixelsOf(target, kInk), (Pixels{{3, 3}, {4, 3}, {3, 4}, {4, 4}}));
    Surface shifted = whiteSurface(5, 5);
    shifted.copyFrom(0, 0, 3, 3, source, 1, 1);
    EXPECT_EQ(pixelsOf(shifted, kInk), (Pixels{{0, 0}}));
}

TEST(SurfaceDib, RowsAreBottomUpBlueGreenRedAndPaddedToFourBytes)
{
    Surface surface = whiteSurface(5, 2);
    surface.setPixel(0, 1, 0x332211);
    const Dib24 dib = surface.readDib(0, 0, 5, 2);
    EXPECT_EQ(Dib24::stride(5), 16);
    ASSERT_EQ(dib.bits.size(), 32u);
    EXPECT_EQ(dib.bits[0], 0x33);
    EXPECT_EQ(dib.bits[1], 0x22);
    EXPECT_EQ(dib.bits[2], 0x11);
    EXPECT_EQ(dib.bits[16], 0xFF);
}

TEST(SurfaceDib, WritingBackWhatWasReadChangesNothingAndOffsetsApply)
{
    Surface surface = whiteSurface(7, 3);
    surface.setPixel(2, 1, kInk);
    Dib24 dib = surface.readDib(1, 0, 3, 3);
    surface.writeDib(1, 0, dib);
    EXPECT_EQ(pixelsOf(surface, kInk), (Pixels{{2, 1}}));
    surface.writeDib(3, 0, dib);
    EXPECT_EQ(pixelsOf(surface, kInk), (Pixels{{2, 1}, {4, 1}}));
    dib.bits.resize(3);
    surface.writeDib(0, 0, dib);
    EXPECT_EQ(pixelsOf(surface, kInk), (Pixels{{2, 1}, {4, 1}}));
}

class SurfaceText : public ::testing::Test {
protected:
    SurfaceText() : surface(whiteSurface(200, 100))
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        surface.setFont(font);
        surface.setForegroundColor(0x000000);
    }

    int lineHeight() const { return QFontMetrics(surface.font()).height(); }
    int widthOf(const QString& text) const { return QFontMetrics(surface.font()).horizontalAdvance(text); }

    Surface surface;
};

TEST_F(SurfaceText, MeasuringWrapsAtTheRectangleWidthAndDrawsNothing)
{
    Rect one{10, 10, 190, 90};
    EXPECT_EQ(surface.drawText(QStringLiteral("Cancel"), one, DT_CALCRECT | DT_WORDBREAK), lineHeight());
    EXPECT_EQ(one, (Rect{10, 10, 10 + widthOf(QStringLiteral("Cancel")), 10 + lineHeight()}));

    Rect narrow{0, 0, widthOf(QStringLiteral("alpha beta")) - 1, 50};
    surface.drawText(QStringLiteral("alpha beta gamma"), narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.bottom, 3 * lineHeight());
    EXPECT_EQ(narrow.right, widthOf(QStringLiteral("gamma")));
    EXPECT_FALSE(drawnArea(surface).isValid());
}

TEST_F(SurfaceText, ALongWordKeepsItsLineAndLineBreaksAreKept)
{
    Rect rect{0, 0, 5, 50};
    surface.drawText(QStringLiteral("unbreakable"), rect, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(rect.right, widthOf(QStringLiteral("unbreakable")));
    Rect lines{0, 0, 200, 50};
    EXPECT_EQ(surface.drawText(QStringLiteral("a\r\nb\nc"), lines, DT_CALCRECT), 3 * lineHeight());
}

TEST_F(SurfaceText, DrawsWithoutFillingItsBackground)
{
    Rect rect{10, 10, 190, 90};
    surface.drawText(QStringLiteral("OK"), rect, DT_LEFT);
    const QRect area = drawnArea(surface);
    ASSERT_TRUE(area.isValid());
    EXPECT_GE(area.left(), 10);
    EXPECT_LE(area.right(), 10 + widthOf(QStringLiteral("OK")));
    EXPECT_LT(area.bottom(), 10 + lineHeight());
    EXPECT_EQ(surface.pixel(11, 10), kWhite);
}

TEST_F(SurfaceText, AlignsHorizontally)
{
    Rect right{0, 0, 200, 50};
    surface.drawText(QStringLiteral("II"), right, DT_RIGHT);
    EXPECT_GE(drawnArea(surface).left(), 200 - widthOf(QStringLiteral("II")));
    surface.clear();
    Rect centre{0, 0, 200, 50};
    surface.drawText(QStringLiteral("II"), centre, DT_CENTER);
    const QRect area = drawnArea(surface);
    EXPECT_NEAR(area.center().x(), 100, 3);
}

TEST_F(SurfaceText, PlacesSingleLinesVerticallyEvenInAnUpsideDownRectangle)
{
    Rect bottom{0, 0, 200, 100};
    surface.drawText(QStringLiteral("Wg"), bottom, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_GE(drawnArea(surface).top(), 100 - lineHeight());
    surface.clear();
    Rect upsideDown{0, 70, 200, 20};
    surface.drawText(QStringLiteral("Wg"), upsideDown, DT_SINGLELINE | DT_VCENTER);
    EXPECT_NEAR(drawnArea(surface).center().y(), 45, 4);
}

TEST_F(SurfaceText, IgnoresVerticalPlacementForSeveralLines)
{
    Rect rect{0, 0, 200, 100};
    surface.drawText(QStringLiteral("Wg"), rect, DT_VCENTER | DT_WORDBREAK);
    EXPECT_LT(drawnArea(surface).bottom(), lineHeight());
}

TEST_F(SurfaceText, RightToLeftReadingDrawsInTheSameBox)
{
    Rect rect{20, 20, 200, 60};
    surface.drawText(QStringLiteral("abc"), rect, DT_RTLREADING);
    const QRect area = drawnArea(surface);
    ASSERT_TRUE(area.isValid());
    EXPECT_GE(area.left(), 20);
    EXPECT_LE(area.right(), 20 + widthOf(QStringLiteral("abc")));
}

} // namespace
} // namespace cvbutton::host
