// Tests of the control's methods as a form calls them: refreshing, hiding, icons and the drawn state.
#include "button_fixture.h"
#include "cvbutton/about_panel.h"

namespace cvbutton {
namespace {

using testing::ButtonTest;

class Behaviour : public ButtonTest {
protected:
    Behaviour() { button.InitProperties(); }
};

TEST_F(Behaviour, AHiddenControlIsOnlyCleared)
{
    host.surface().setPixel(3, 3, 0x123456);
    button.setDrawState(StateHot);
    button.setEnabled(false);
    button.setDrawState(StateHot);
    button.Refresh();
    EXPECT_EQ(host.surface().pixel(3, 3), host.surface().backgroundColor());
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    EXPECT_EQ(button.runtime().ContentMargin, 3);
}

TEST_F(Behaviour, RefreshSettlesTheDrawnState)
{
    button.setIsShown(true);
    host.setUserMode(false);
    button.setDrawState(StateNormal);
    button.Refresh();
    EXPECT_EQ(button.runtime().DrawState, StateHot);

    button.setStyle(StyleRoundedGradient);
    button.setDrawState(StateNormal);
    button.Refresh();
    EXPECT_EQ(button.runtime().DrawState, StateNormal);

    host.setUserMode(true);
    button.setButtonType(KindCheck);
    button.setValue(true);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
}

TEST_F(Behaviour, ADisabledControlIsClearedToTheButtonFace)
{
    host.surface().setBackgroundColor(0x0000FF);
    button.setIsShown(true);
    button.setEnabled(false);
    EXPECT_EQ(button.runtime().DrawState, StateDisabled);
    EXPECT_EQ(host.surface().pixel(0, 0), kFace);
}

TEST_F(Behaviour, LayoutKeepsTheMinimumSizeAndSettlesTheRectangles)
{
    PlainHost small(10, 10);
    cvButton control(small);
    control.InitProperties();
    control.UserControl_Resize();
    EXPECT_EQ(small.widthTwips(), 300);
    EXPECT_EQ(small.surface().height(), 20);
    EXPECT_EQ(control.runtime().ButtonRect, (host::Rect{0, 0, 20, 20}));
    button.UserControl_Resize();
    EXPECT_EQ(button.runtime().ButtonRect, (host::Rect{0, 0, 75, 23}));
    EXPECT_EQ(button.runtime().CaptionFormat, host::DT_CENTER | host::DT_VCENTER | host::DT_WORDBREAK);
    // The caption is centred on the face around its measured size.
    host::Rect text{4, 4, 71, 19};
    host.surface().drawText(button.Caption(), text, host::DT_CALCRECT | host::DT_WORDBREAK);
    const host::Rect caption = button.runtime().CaptionRect;
    EXPECT_NEAR(caption.left + caption.right, 75 - 4, 1);
    EXPECT_NEAR(caption.right - caption.left, text.right - text.left + 4, 1);
    EXPECT_NEAR(caption.top + caption.bottom, 23 - 1, 1);
}

TEST_F(Behaviour, ShowAndHideTrackVisibilityAndHandTheTooltipTextBack)
{
    button.UserControl_Show();
    EXPECT_TRUE(button.runtime().IsShown);
    host.setExtenderToolTipText(QStringLiteral("tip"));
    button.setToolTipText(QStringLiteral("taken from the host"));
    EXPECT_EQ(host.extenderToolTipText(), QString());
    button.UserControl_Hide();
    EXPECT_FALSE(button.runtime().IsShown);
    EXPECT_EQ(host.extenderToolTipText(), QStringLiteral("tip"));
}

TEST_F(Behaviour, OnlyTheDefaultButtonAmbientRepaints)
{
    host.surface().setPixel(2, 2, 0x123456);
    button.UserControl_AmbientChanged(QStringLiteral("BackColor"));
    EXPECT_EQ(host.surface().pixel(2, 2), 0x123456u);
    button.UserControl_AmbientChanged(QStringLiteral("DisplayAsDefault"));
    EXPECT_NE(host.surface().pixel(2, 2), 0x123456u);
}

TEST_F(Behaviour, FocusEventsSetAndClearTheFocusFlag)
{
    button.UserControl_EnterFocus();
    EXPECT_TRUE(button.runtime().HasFocus);
    button.UserControl_LostFocus();
    EXPECT_FALSE(button.runtime().HasFocus);
    button.UserControl_GotFocus();
    button.UserControl_ExitFocus();
    EXPECT_FALSE(button.runtime().HasFocus);
}

TEST_F(Behaviour, OpenLinkHandsOverOnlyWebAndMailAddresses)
{
    EXPECT_GT(button.OpenLink(QStringLiteral("https://example.org/cvbutton")), 32);
    EXPECT_GT(button.OpenLink(QStringLiteral("www.example.org")), 32);
    EXPECT_GT(button.OpenLink(QStringLiteral("mailto:someone@example.org")), 32);
    EXPECT_EQ(opener->opened,
              (QStringList{"https://example.org/cvbutton", "http://www.example.org", "mailto:someone@example.org"}));
    EXPECT_LE(button.OpenLink(QStringLiteral("/usr/bin/xterm")), 32);
    EXPECT_LE(button.OpenLink(QStringLiteral("file:///etc/passwd")), 32);
    EXPECT_LE(button.OpenLink(QString()), 32);
    EXPECT_EQ(opener->opened.size(), 3);
    opener->answer = false;
    EXPECT_LE(button.OpenLink(QStringLiteral("https://example.org")), 32);
}

class RecordingPanel final : public AboutPanel {
public:
    void showFloating() override { ++shown; }
    int shown = 0;
};

TEST_F(Behaviour, AboutShowsThePanelAndVersionIsFixed)
{
    RecordingPanel panel;
    button.setAboutPanel(&panel);
    button.About();
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(button.Version(), QStringLiteral("3.6.2"));
}

TEST_F(Behaviour, PaintIconGrayscaleNeedsASurfaceAndAPicture)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(255, 0, 0, 255));
    const IconPicture icon(image, IconPicture::TypeIcon);
    EXPECT_FALSE(button.PaintIconGrayscale(nullptr, icon, 0, 0, 2, 2));
    EXPECT_FALSE(button.PaintIconGrayscale(&host.surface(), IconPicture(), 0, 0, 2, 2));
    EXPECT_EQ(host.surface().pixel(1, 1), host.surface().backgroundColor());
    EXPECT_TRUE(button.PaintIconGrayscale(&host.surface(), icon, 1, 1, 4, 4));
    EXPECT_EQ(host.surface().pixel(2, 2), 0x545454u);
    EXPECT_EQ(host.surface().pixel(5, 5), host.surface().backgroundColor());
}

TEST_F(Behaviour, EventsReachEveryHandler)
{
    int clicks = 0;
    button.Click.connect([&] { ++clicks; });
    button.Click.connect([&] { clicks += 10; });
    button.Click.raise();
    EXPECT_EQ(clicks, 11);
}

} // namespace
} // namespace cvbutton
