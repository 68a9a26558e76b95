// Tests of the property setters: the notifications they send and the repaints they cause.
#include "button_fixture.h"

#include <functional>

namespace cvbutton {
namespace {

using testing::ButtonTest;

constexpr platform::Colorref kMarker = 0x123456;

class Setters : public ButtonTest {
protected:
    Setters()
    {
        button.InitProperties();
        host.forgetNotifications();
    }

    // The notifications a setter sends, and whether it repainted (the repaint clears the marker).
    struct Effect {
        QStringList notifications;
        bool repainted;
        int layouts;
    };

    Effect effectOf(const std::function<void()>& change)
    {
        host.forgetNotifications();
        host.surface().setPixel(1, 1, kMarker);
        const int layoutsBefore = host.sizeRequests();
        change();
        return {host.notifications(), host.surface().pixel(1, 1) != kMarker, host.sizeRequests() - layoutsBefore};
    }
};

TEST_F(Setters, NotifyTheHostUnderThePropertysNotificationName)
{
    const std::vector<std::pair<QString, std::function<void()>>> cases = {
        {"Icon", [&] { button.setIcon({}); }},
        {"Style", [&] { button.setStyle(1); }},
        {"Caption", [&] { button.setCaption("x"); }},
        {"IconSize", [&] { button.setIconSize(8); }},
        {"IconAlign", [&] { button.setIconAlign(0); }},
        {"CaptionAlign", [&] { button.setCaptionAlign(1); }},
        {"NonThemeStyle", [&] { button.setNonThemeStyle(2); }},
        {"Enabled", [&] { button.setEnabled(true); }},
        {"ShowFocus", [&] { button.setShowFocus(true); }},
        {"UseCustomColors", [&] { button.setUseCustomColors(true); }},
        {"BackColor", [&] { button.setBackColor(1); }},
        {"HighlightColor", [&] { button.setHighlightColor(1); }},
        {"FontColor", [&] { button.setFontColor(1); }},
        {"FontHighlightColor", [&] { button.setFontHighlightColor(1); }},
        {"ToolTipText", [&] { button.setToolTipText("t"); }},
        {"TooltipTitle", [&] { button.setToolTipTitle("t"); }},
        {"TooltipIcon", [&] { button.setToolTipIcon(1); }},
        {"ToolTipType", [&] { button.setToolTipType(0); }},
        {"ToolTipBackColor", [&] { button.setToolTipBackColor(1); }},
        {"ToolTipForeColor", [&] { button.setToolTipForeColor(1); }},
        {"Font", [&] { button.setFont(QFont()); }},
        {"ButtonType", [&] { button.setButtonType(1); }},
        {"Value", [&] { button.setValue(true); }},
        {"MaskColor", [&] { button.setMaskColor(1); }},
        {"UseMaskColor", [&] { button.setUseMaskColor(true); }},
        {"MousePointer", [&] { button.setMousePointer(2); }},
        {"RoundedBordersByTheme", [&] { button.setRoundedBordersByTheme(true); }},
        {"bRTLText", [&] { button.setRightToLeft(true); }},
    };
    for (const auto& [name, change] : cases)
        EXPECT_EQ(effectOf(change).notifications, QStringList{name}) << name.toStdString();
}

TEST_F(Setters, LayoutChangingPropertiesLayOutAgainAndStyleDoesItTwice)
{
    EXPECT_EQ(effectOf([&] { button.setStyle(StyleFlat); }).layouts, 2);
    EXPECT_EQ(effectOf([&] { button.setCaption("OK"); }).layouts, 1);
    EXPECT_EQ(effectOf([&] { button.setIconSize(32); }).layouts, 1);
    EXPECT_EQ(effectOf([&] { button.setNonThemeStyle(1); }).layouts, 1);
    EXPECT_EQ(effectOf([&] { button.setShowFocus(true); }).layouts, 0);
    EXPECT_TRUE(effectOf([&] { button.setShowFocus(false); }).repainted);
}

TEST_F(Setters, MousePointerGoesToTheHostWithoutARepaint)
{
    const Effect effect = effectOf([&] { button.setMousePointer(11); });
    EXPECT_FALSE(effect.repainted);
    EXPECT_EQ(host.mousePointer(), 11);
    EXPECT_EQ(button.MousePointer(), 11);
}

TEST_F(Setters, ReadingEnabledRepaints)
{
    bool enabled = false;
    EXPECT_TRUE(effectOf([&] { enabled = button.Enabled(); }).repainted);
    EXPECT_TRUE(enabled);
    EXPECT_FALSE(effectOf([&] { button.ShowFocus(); }).repainted);
}

TEST_F(Setters, EnabledResetsTheStateAndReachesTheHostLast)
{
    button.setDrawState(StatePressed);
    button.setEnabled(false);
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
    EXPECT_FALSE(host.enabled());
    button.setIsShown(true);
    button.Refresh();
    EXPECT_EQ(button.runtime().DrawState, StateDisabled);
    button.setEnabled(true);
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
    EXPECT_TRUE(host.enabled());
}

TEST_F(Setters, FontLivesOnTheHostSurface)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPointSize(13);
    button.setFont(font);
    EXPECT_EQ(host.surface().font(), font);
    EXPECT_EQ(button.Font(), font);
}

TEST_F(Setters, NoSetterValidatesItsValue)
{
    button.setStyle(42);
    button.setCaptionAlign(-7);
    button.setButtonType(9);
    EXPECT_EQ(button.Style(), 42);
    EXPECT_EQ(button.CaptionAlign(), -7);
    EXPECT_EQ(button.ButtonType(), 9);
}

} // namespace
} // namespace cvbutton
