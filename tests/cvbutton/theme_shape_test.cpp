// Tests of the themed face and of the window shapes that follow each style.
#include "button_fixture.h"
#include "cvbutton/window_shape.h"
#include "support/fake_theme.h"
#include "support/surface_pixels.h"

namespace cvbutton::testing {
namespace {

using surface_pixels::pixelsOf;

class Themed : public ButtonTest {
protected:
    Themed()
    {
        button.setTheme(theme);
        button.InitProperties();
        button.setCaption(QString());
        button.setDrawState(StateNormal);
        button.UserControl_Show();
    }

    std::shared_ptr<FakeTheme> theme = std::make_shared<FakeTheme>();
};

TEST_F(Themed, DrawsThePushButtonInTheStateWithFocusShowingAsDefault)
{
    button.setStyle(StyleTheme);
    ASSERT_FALSE(theme->drawn.empty());
    EXPECT_EQ(theme->opened.back(), QStringLiteral("Button"));
    EXPECT_EQ(theme->drawn.back().partId, 1);
    EXPECT_EQ(theme->drawn.back().stateId, StateNormal);
    EXPECT_EQ(theme->drawn.back().rect, (host::Rect{0, 0, 75, 23}));
    EXPECT_EQ(host.surface().pixel(40, 10), FakeTheme::faceColor(StateNormal));

    button.setHasFocus(true);
    button.Refresh();
    EXPECT_EQ(theme->drawn.back().stateId, StateDefaulted);
    button.setDrawState(StateHot);
    button.Refresh();
    EXPECT_EQ(theme->drawn.back().stateId, StateHot);
    button.setEnabled(false);
    EXPECT_EQ(theme->drawn.back().stateId, StateDisabled);
    EXPECT_EQ(button.Style(), StyleTheme);
    EXPECT_EQ(button.runtime().ContentMargin, 3);
}

TEST_F(Themed, ControlWithoutAStateYetIsDrawnNormalAndKeepsTheStyle)
{
    button.setDrawState(0);
    button.setStyle(StyleTheme);
    ASSERT_FALSE(theme->drawn.empty());
    EXPECT_EQ(theme->drawn.back().stateId, StateNormal);
    EXPECT_EQ(host.surface().pixel(40, 10), FakeTheme::faceColor(StateNormal));
    EXPECT_EQ(button.Style(), StyleTheme);
}

TEST_F(Themed, TakesTheThemesOutlineOnlyWithRoundedBordersByTheme)
{
    button.setStyle(StyleTheme);
    EXPECT_TRUE(theme->regionRects.empty());
    EXPECT_TRUE(host.windowRegion().contains(0, 0)) << "the rectangle of the layout stays";

    button.setRoundedBordersByTheme(true);
    ASSERT_EQ(theme->regionRects.size(), 1u);
    EXPECT_EQ(theme->regionRects.front(), (host::Rect{-1, -1, 76, 24}));
    EXPECT_FALSE(host.windowRegion().contains(-1, -1));
    EXPECT_TRUE(host.windowRegion().contains(-1, 10)) << "the outline of the grown rectangle";

    button.UserControl_Resize();
    EXPECT_EQ(theme->regionRects.size(), 2u) << "the re-layout paints themed again";
}

TEST_F(Themed, FallsBackOnceToTheNonThemeStyleWithoutAVisualStyle)
{
    theme->available = false;
    button.setNonThemeStyle(StyleTinted);
    button.setDrawState(StateHot);
    host.forgetNotifications();
    button.setStyle(StyleTheme);
    // The setter lays out and paints twice: the first paint falls back, the second draws style 4.
    EXPECT_EQ(button.Style(), StyleTinted);
    EXPECT_EQ(host.notifications(), QStringList{QStringLiteral("Style")});
    EXPECT_EQ(host.surface().pixel(0, 0), 0xD77800u) << "the tinted hot outline";

    theme->available = true;
    button.Refresh();
    EXPECT_TRUE(theme->drawn.empty()) << "the fallback is not undone";
}

TEST_F(Themed, TheFallbackPaintShowsOnlyTheFaceColourAndKeepsTheShape)
{
    button.setNonThemeStyle(StyleRoundedGradient);
    button.setStyle(StyleTheme);
    theme->available = false;
    host.surface().setBackgroundColor(0x123456);
    button.Refresh();
    EXPECT_EQ(button.Style(), StyleRoundedGradient);
    EXPECT_EQ(pixelsOf(host.surface(), kFace).size(), 75u * 23u);
    EXPECT_TRUE(host.windowRegion().contains(0, 0)) << "the shape waits for the next layout";
    button.UserControl_Resize();
    EXPECT_FALSE(host.windowRegion().contains(0, 0));
}

TEST_F(Themed, AFailedThemedDrawingFallsBackToo)
{
    theme->drawingFails = true;
    button.setNonThemeStyle(StyleSoft);
    button.setStyle(StyleTheme);
    EXPECT_EQ(button.Style(), StyleSoft);
}

TEST_F(Themed, ADesktopWithoutVisualStylesOffersNoTheme)
{
    host::NoVisualStyle none;
    EXPECT_EQ(none.open(QStringLiteral("Button")), nullptr);
    host::QtStyleTheme styled;
    EXPECT_EQ(styled.open(QStringLiteral("Edit")), nullptr);
    ASSERT_NE(styled.open(QStringLiteral("Button")), nullptr);

    button.setTheme(std::make_shared<host::QtStyleTheme>());
    button.setRoundedBordersByTheme(true);
    button.setStyle(StyleTheme);
    EXPECT_EQ(button.Style(), StyleTheme);
    EXPECT_FALSE(host.windowRegion().isEmpty());
    EXPECT_NE(pixelsOf(host.surface(), kFace).size(), 75u * 23u) << "the widget style drew a face";
}

// Which columns of a row the region holds, as first and last.
std::pair<int, int> spanOf(const host::Region& region, int y, int width)
{
    int first = -1;
    int last = -1;
    for (int x = -2; x < width + 2; ++x) {
        if (region.contains(x, y)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

TEST(WindowShape, CutsTheCornersOfTheRoundedGradientAndGlowFaces)
{
    for (int style : {int{StyleRoundedGradient}, int{StyleGlow}}) {
        const host::Region shape = windowShapeFor(style, 40, 20);
        EXPECT_EQ(spanOf(shape, 0, 40), std::make_pair(1, 38)) << style;
        EXPECT_EQ(spanOf(shape, 1, 40), std::make_pair(0, 39)) << style;
        EXPECT_EQ(spanOf(shape, 18, 40), std::make_pair(0, 39)) << style;
        EXPECT_EQ(spanOf(shape, 19, 40), std::make_pair(1, 38)) << style;
        EXPECT_EQ(spanOf(shape, 20, 40), std::make_pair(-1, -1)) << style;
    }
}

TEST(WindowShape, CutsTheShadowedAndGlassCornersUnevenly)
{
    for (int style : {int{StyleShadowed}, int{StyleGlass}}) {
        const host::Region shape = windowShapeFor(style, 40, 20);
        EXPECT_EQ(spanOf(shape, 0, 40), std::make_pair(2, 36)) << style;
        EXPECT_EQ(spanOf(shape, 3, 40), std::make_pair(0, 39)) << style;
        EXPECT_EQ(spanOf(shape, 19, 40), std::make_pair(3, 37)) << style;
        EXPECT_EQ(spanOf(shape, 16, 40).first, 0) << style;
    }
}

TEST(WindowShape, RoundsTheSkinnedFaceAndLeavesTheOthersRectangular)
{
    const host::Region skinned = windowShapeFor(StyleSkinned, 40, 20);
    EXPECT_FALSE(skinned.contains(0, 0));
    EXPECT_FALSE(skinned.contains(39, 19));
    EXPECT_TRUE(skinned.contains(9, 0));
    EXPECT_TRUE(skinned.contains(0, 9));
    EXPECT_TRUE(skinned.contains(39, 10));
    for (int style : {0, 1, 2, 3, 4, 6, 11, -1}) {
        const host::Region shape = windowShapeFor(style, 40, 20);
        EXPECT_EQ(spanOf(shape, 0, 40), std::make_pair(0, 39)) << style;
        EXPECT_EQ(spanOf(shape, 19, 40), std::make_pair(0, 39)) << style;
        EXPECT_FALSE(shape.contains(0, 20)) << style;
    }
}

TEST_F(Themed, TheWindowTakesTheShapeOfEachLayout)
{
    button.setStyle(StyleSkinned);
    EXPECT_FALSE(host.windowRegion().contains(0, 0));
    button.setStyle(StyleStandard);
    EXPECT_TRUE(host.windowRegion().contains(0, 0)) << "the setter lays out at once";
    button.setStyle(StyleGlass);
    for (int width : {50, 61, 40}) {
        host.setSizeTwips(width * kTwipsPerPixel, 20 * kTwipsPerPixel);
        button.UserControl_Resize();
    }
    EXPECT_EQ(spanOf(host.windowRegion(), 0, 40), std::make_pair(2, 36));
    EXPECT_EQ(spanOf(button.runtime().WindowRegion, 19, 40), std::make_pair(3, 37));
}

} // namespace
} // namespace cvbutton::testing
