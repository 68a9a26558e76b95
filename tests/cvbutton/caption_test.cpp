// Tests of the caption: its colour in each state, with and without custom colours, and its placement.
#include "cvbutton/button_types.h"
#include "cvbutton/render/caption.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <algorithm>

namespace cvbutton::render {
namespace {

constexpr Colorref kFont = 0x112233;
constexpr Colorref kFontHighlight = 0x445566;
constexpr Colorref kGrayText = 0x6D6D6D;
constexpr Colorref kButtonText = 0x010101;

class CaptionColour : public ::testing::Test {
protected:
    static CaptionLook lookOf(bool custom, int state)
    {
        return {custom, state, kFont, kFontHighlight, kButtonText, kGrayText};
    }

    static Colorref colourFor(bool custom, int state) { return captionColor(lookOf(custom, state)); }
};

TEST_F(CaptionColour, FollowsTheSystemColoursWithoutCustomColours)
{
    EXPECT_EQ(colourFor(false, StateDisabled), kGrayText);
    for (int state : {int{StateNormal}, int{StateHot}, int{StatePressed}, int{StateDefaulted}, 0})
        EXPECT_EQ(colourFor(false, state), kButtonText) << state;
}

TEST_F(CaptionColour, FollowsTheFontColoursWithCustomColours)
{
    EXPECT_EQ(colourFor(true, StateNormal), kFont);
    EXPECT_EQ(colourFor(true, StateDisabled), kGrayText);
    for (int state : {StateHot, StatePressed, StateDefaulted})
        EXPECT_EQ(colourFor(true, state), kFontHighlight) << state;
}

TEST_F(CaptionColour, IsDrawnAndTheForegroundColourComesBack)
{
    host::Surface surface = surface_pixels::paper(120, 60);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    surface.setFont(font);
    surface.setForegroundColor(0x00FF00);
    DrawCaption(surface, QStringLiteral("HI"), {0, 0, 120, 60}, host::DT_CENTER | host::DT_WORDBREAK,
                lookOf(true, StatePressed));
    EXPECT_EQ(surface.foregroundColor(), 0x00FF00u);
    EXPECT_FALSE(surface_pixels::pixelsOf(surface, kFontHighlight).empty());
    EXPECT_TRUE(surface_pixels::pixelsOf(surface, 0x00FF00).empty());
}

// A caption too large for its rectangle stops at the rectangle's edges, as the face's border lies outside it.
TEST_F(CaptionColour, IsClippedToItsRectangleUnlessToldNotTo)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    for (const bool clipped : {true, false}) {
        host::Surface surface = surface_pixels::paper(120, 60);
        surface.setFont(font);
        host::Rect rect{30, 20, 90, 40};
        surface.drawText(QStringLiteral("WWWW"), rect,
                         host::DT_CENTER | host::DT_VCENTER | host::DT_SINGLELINE | (clipped ? 0u : host::DT_NOCLIP));
        int inside = 0, outside = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixel(x, y) != surface_pixels::kPaper)
                    ++(x >= 30 && x < 90 && y >= 20 && y < 40 ? inside : outside);
        EXPECT_GT(inside, 100) << clipped;
        EXPECT_EQ(outside == 0, clipped) << outside;
    }
}

// What a text draws, in black on white, as the set of its black-ish pixels.
surface_pixels::Pixels inkOf(const QString& text, unsigned format)
{
    host::Surface surface = surface_pixels::paper(80, 24);
    host::Rect rect{2, 2, 78, 22};
    surface.drawText(text, rect, format);
    surface_pixels::Pixels ink;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.pixel(x, y) != surface_pixels::kPaper)
                ink.insert({x, y});
    return ink;
}

TEST(AccessKeys, AMarkIsNotDrawnAndUnderlinesTheNextCharacter)
{
    const surface_pixels::Pixels plain = inkOf(QStringLiteral("Open"), 0);
    const surface_pixels::Pixels marked = inkOf(QStringLiteral("&Open"), 0);
    EXPECT_NE(marked, plain);
    for (const auto& pixel : plain)
        EXPECT_TRUE(marked.count(pixel)) << "the text itself is unchanged";
    surface_pixels::Pixels extra;
    for (const auto& pixel : marked)
        if (!plain.count(pixel))
            extra.insert(pixel);
    ASSERT_FALSE(extra.empty());
    for (const auto& [x, y] : extra) {
        EXPECT_EQ(y, extra.begin()->second) << "one underline row";
        EXPECT_LT(x, 2 + QFontMetrics(QFont()).horizontalAdvance(QLatin1Char('O'))) << "under the O only";
    }
    EXPECT_NE(inkOf(QStringLiteral("&Open"), host::DT_NOPREFIX), marked);
}

TEST(AccessKeys, ADoubledMarkDrawsOneAndMeasuresAsOne)
{
    EXPECT_EQ(inkOf(QStringLiteral("A&&B"), 0), inkOf(QStringLiteral("A&B"), host::DT_NOPREFIX));
    host::Surface surface(10, 10);
    host::Rect marked{0, 0, 200, 50};
    host::Rect plain = marked;
    surface.drawText(QStringLiteral("Save &all"), marked, host::DT_CALCRECT | host::DT_WORDBREAK);
    surface.drawText(QStringLiteral("Save all"), plain, host::DT_CALCRECT | host::DT_WORDBREAK);
    EXPECT_EQ(marked, plain);
}

} // namespace
} // namespace cvbutton::render
