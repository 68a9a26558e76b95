// Tests of the control's about panel: its Close button's faces, its painting and its floating window.
#include "cvbutton/about_panel_window.h"
#include "cvbutton/widget_host.h"
#include "platform/system_colors.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace cvbutton {
namespace {

using host::Surface;
using platform::Colorref;

constexpr Colorref kPaper = 0x123456;
constexpr AboutPanelColors kColors{0x000000, 0xF0F0F0, 0xA0A0A0};
constexpr int L = 290, T = 80, R = 360, B = 106;

Surface closeButton(bool pressed)
{
    Surface surface(380, 120);
    surface.setBackgroundColor(kPaper);
    surface.clear();
    DrawCloseButton(surface, kColors, pressed);
    return surface;
}

constexpr Colorref gray(int level)
{
    return platform::rgb(level, level, level);
}

TEST(AboutCloseButton, RaisedIsLightAtTheTopAndPressedTurnsItOver)
{
    const Surface raised = closeButton(false);
    const Surface pressed = closeButton(true);
    EXPECT_EQ(raised.pixel(295, T + 1), gray(254));
    EXPECT_EQ(raised.pixel(295, B - 1), gray(226));
    EXPECT_EQ(pressed.pixel(295, T + 1), gray(226));
    EXPECT_EQ(pressed.pixel(295, B - 1), gray(254));
    EXPECT_EQ(raised.pixel(R - 1, T + 1), kColors.shadow);
    EXPECT_EQ(raised.pixel(R + 1, T + 5), kPaper);
}

TEST(AboutCloseButton, OutlineStopsShortOfItsEndPoints)
{
    const Surface face = closeButton(false);
    for (const auto& [x, y] : {std::pair{L + 2, T},
                               {R - 3, T},
                               {L + 1, T + 1},
                               {L, T + 2},
                               {L, B - 3},
                               {R - 2, T},
                               {R, T + 2},
                               {R, B - 2},
                               {L + 1, B - 1},
                               {R - 2, B},
                               {L + 2, B}})
        EXPECT_EQ(face.pixel(x, y), kColors.shadow) << x << "," << y;
    EXPECT_EQ(face.pixel(R - 3, B + 1), kPaper);
    EXPECT_EQ(face.pixel(R, B + 1), kPaper);
}

TEST(AboutCloseButton, TwelveCornerPixelsTakeTheFaceColourRaisedAndPressed)
{
    for (const bool pressed : {false, true}) {
        const Surface face = closeButton(pressed);
        for (const auto& [x, y] : {std::pair{L, T},
                                   {L + 1, T},
                                   {L, T + 1},
                                   {R, T},
                                   {R - 1, T},
                                   {R, T + 1},
                                   {L, B},
                                   {L + 1, B},
                                   {L, B - 1},
                                   {R, B},
                                   {R - 1, B},
                                   {R, B - 1}})
            EXPECT_EQ(face.pixel(x, y), kColors.face) << pressed << " " << x << "," << y;
    }
}

TEST(AboutCloseButton, LabelIsBlueWithinTheButton)
{
    const Surface face = closeButton(false);
    int blue = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) == 0xFF0000) {
                ++blue;
                EXPECT_TRUE(x > L && x < R && y > T && y < B) << x << "," << y;
            }
    EXPECT_GT(blue, 5);
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

TEST(AboutPanel, StoredControlFloatsWithExactlyTheFrameBits)
{
    QWidget control;
    AboutPanelWindow panel(&control);
    EXPECT_FALSE(panel.isWindow());
    panel.showFloating();
    EXPECT_EQ(panel.windowStyle(), 0xC60000u);
    EXPECT_TRUE(panel.isWindow());
    EXPECT_EQ(panel.parentWidget(), nullptr);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(panel.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(panel.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(panel.windowTitle(), QStringLiteral("About cvButton 3.6.2"));
    panel.close();
}

TEST(AboutPanel, NewControlAddsTheFrameToTheStyleItKept)
{
    WidgetHost host(QStringLiteral("cvButton1"));
    host.button().InitProperties();
    host.button().About();
    EXPECT_EQ(host.aboutPanel().windowStyle(), WS_CHILD | WS_CLIPSIBLINGS | 0xC60000u);
    EXPECT_TRUE(host.aboutPanel().isVisible());
    host.aboutPanel().close();
}

TEST(AboutPanel, PressAnywhereShowsClosePressedAndTheClickHidesUntilAboutAgain)
{
    const platform::PinnedSystemColors pinned(platform::SystemColors::windows10());
    QWidget control;
    AboutPanelWindow panel(&control);
    panel.showFloating();
    panel.grab();
    EXPECT_EQ(panel.surface().pixel(295, T + 1), gray(254));
    EXPECT_EQ(panel.surface().pixel(20, 160), gray(240));
    // With CVBUTTON_FACES_OUT naming a folder the painted panel is kept there for a person to see.
    if (const QString folder = qEnvironmentVariable("CVBUTTON_FACES_OUT"); !folder.isEmpty())
        panel.surface().image().save(folder + QStringLiteral("/about-panel.png"));
    sendMouse(panel, QEvent::MouseButtonPress, {10, 150});
    EXPECT_EQ(panel.surface().pixel(295, T + 1), gray(226));
    EXPECT_TRUE(panel.isVisible());
    sendMouse(panel, QEvent::MouseButtonRelease, {10, 150});
    EXPECT_FALSE(panel.isVisible());
    panel.showFloating();
    EXPECT_TRUE(panel.isVisible());
    panel.grab();
    EXPECT_EQ(panel.surface().pixel(295, T + 1), gray(254));
    panel.close();
}

TEST(AboutPanel, PressEndingOutsideLeavesCloseRaisedAndThePanelShown)
{
    const platform::PinnedSystemColors pinned(platform::SystemColors::windows10());
    QWidget control;
    AboutPanelWindow panel(&control);
    panel.showFloating();
    panel.grab();
    sendMouse(panel, QEvent::MouseButtonPress, {300, 90});
    ASSERT_EQ(panel.surface().pixel(295, T + 1), gray(226));
    sendMouse(panel, QEvent::MouseButtonRelease, {500, 300});
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.surface().pixel(295, T + 1), gray(254));
    EXPECT_EQ(panel.surface().pixel(295, B - 1), gray(226));
    panel.close();
}

} // namespace
} // namespace cvbutton
