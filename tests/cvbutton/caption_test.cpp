#include "cvbutton/button_types.h"
#include "cvbutton/render/caption.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

namespace cvbutton::render {
namespace {

constexpr Colorref kFont = 0x112233;
constexpr Colorref kFontHighlight = 0x445566;
constexpr Colorref kGrayText = 0x6D6D6D;
constexpr Colorref kButtonText = 0x010101;

class CaptionColour : public ::testing::Test {
protected:
    CaptionColour() : pinned_(colors()) {}

    static platform::SystemColors colors()
    {
        platform::SystemColors table = platform::SystemColors::windows10();
        table.setColor(platform::COLOR_BTNTEXT, kButtonText);
        return table;
    }

    static Colorref colourFor(bool custom, int state) { return captionColor({custom, state, kFont, kFontHighlight}); }

private:
    platform::PinnedSystemColors pinned_;
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
    platform::Surface surface = surface_pixels::paper(120, 60);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    surface.setFont(font);
    surface.setForegroundColor(0x00FF00);
    DrawCaption(surface, QStringLiteral("HI"), {0, 0, 120, 60}, platform::DT_CENTER | platform::DT_WORDBREAK,
                {true, StatePressed, kFont, kFontHighlight});
    EXPECT_EQ(surface.foregroundColor(), 0x00FF00u);
    EXPECT_FALSE(surface_pixels::pixelsOf(surface, kFontHighlight).empty());
    EXPECT_TRUE(surface_pixels::pixelsOf(surface, 0x00FF00).empty());
}

} // namespace
} // namespace cvbutton::render
