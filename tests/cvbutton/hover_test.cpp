// Tests of hover tracking: entering and leaving, the leave requests, tooltips and colour changes.
#include "button_fixture.h"
#include "cvbutton/property_bag.h"
#include "support/fake_message_hook.h"
#include "support/fake_tooltip_window.h"

#include <stdexcept>

namespace cvbutton {
namespace {

using host::testing::FakeMessageHook;
using host::testing::FakeToolTipWindow;
using host::testing::ToolTipLog;

// A control read in run mode on a host with a hand-driven hook, events counted.
class Hover : public testing::ButtonTest {
protected:
    Hover()
    {
        auto fake = std::make_unique<FakeMessageHook>();
        hook = fake.get();
        host.setMessageHook(std::move(fake));
        host.setToolTipMaker([this](unsigned style) { return std::make_unique<FakeToolTipWindow>(tips, style); });
        button.Click.connect([this] { ++clicks; });
        button.MouseEnter.connect([this] { ++enters; });
        button.MouseLeave.connect([this] { ++leaves; });
    }

    void read(PropertyBag bag = {})
    {
        button.ReadProperties(bag);
        button.UserControl_Show();
    }
    void message(int uMsg) { hook->deliver(host.window(), uMsg); }
    void leftClick()
    {
        button.UserControl_MouseDown(1, 0, 5, 5);
        button.UserControl_MouseUp(1, 0, 5, 5);
        button.UserControl_Click();
    }

    FakeMessageHook* hook = nullptr;
    std::shared_ptr<ToolTipLog> tips = std::make_shared<ToolTipLog>();
    int clicks = 0;
    int enters = 0;
    int leaves = 0;
};

TEST_F(Hover, EnteringGoesHotOnceAndLeavingGoesNormalOnce)
{
    read();
    ASSERT_TRUE(button.runtime().CanTrackMouse);
    message(host::WM_MOUSEMOVE);
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(hook->leaveRequests.size(), 1u);
    message(host::WM_MOUSELEAVE);
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(button.runtime().MouseInside);
}

TEST_F(Hover, SetupHappensOnlyInRunModeAndFallsBackToTheOtherTrackingFunction)
{
    host.setUserMode(false);
    read();
    EXPECT_FALSE(button.runtime().CanTrackMouse);
    EXPECT_FALSE(hook->table.isAttached(host.window()));
    host.setUserMode(true);
    hook->exported = {QStringLiteral("Comctl32!_TrackMouseEvent")};
    read();
    EXPECT_TRUE(button.runtime().CanTrackMouse);
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(hook->requestedThrough, QStringList{QStringLiteral("_TrackMouseEvent")});
}

TEST_F(Hover, WithoutLeaveTrackingThereIsNoHotStateAndNoMouseClickButSpaceStillClicks)
{
    hook->exported.clear();
    read();
    EXPECT_FALSE(button.runtime().CanTrackMouse);
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(enters, 0);
    leftClick();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(hook->leaveRequests.empty());
    button.UserControl_KeyDown(32, 0);
    button.UserControl_KeyUp(32, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Hover, PushClickAndDoubleClickRaiseOneClickPerMouseUpAndReArmTracking)
{
    read();
    message(host::WM_MOUSEMOVE);
    leftClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    EXPECT_EQ(hook->leaveRequests.size(), 2u);
    button.UserControl_DblClick();
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.UserControl_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Hover, CheckButtonsRaiseClickOnlyWhenAlreadyChecked)
{
    PropertyBag bag;
    bag.write(QStringLiteral("ButtonType"), 1);
    read(bag);
    message(host::WM_MOUSEMOVE);
    button.UserControl_MouseDown(1, 0, 5, 5);
    button.UserControl_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    EXPECT_EQ(clicks, 0);
    button.UserControl_Click();
    EXPECT_TRUE(button.Value());
    leftClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.runtime().DrawState, StateHot);
}

TEST_F(Hover, LeavingWhilePressedRaisesNoClickAndEndsNormal)
{
    read();
    message(host::WM_MOUSEMOVE);
    button.UserControl_MouseDown(1, 0, 5, 5);
    message(host::WM_MOUSELEAVE);
    button.UserControl_MouseUp(1, 0, 50, 5);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    message(host::WM_MOUSELEAVE); // the re-armed request finds the pointer outside
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
}

TEST_F(Hover, AFailingEnterHandlerBuildsNoTooltipAndColourChangesRepaint)
{
    read();
    button.MouseEnter.connect([] { throw std::runtime_error("form failed"); });
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(tips->alive, 0);
    host.surface().setPixel(1, 1, 0x123456);
    message(host::WM_SYSCOLORCHANGE);
    EXPECT_NE(host.surface().pixel(1, 1), 0x123456u);
}

TEST_F(Hover, TheTooltipTakesTheHostsTextWhileThePointerIsOver)
{
    PropertyBag bag;
    bag.write(QStringLiteral("ToolTipText"), QStringLiteral("Renames it"));
    bag.write(QStringLiteral("Tooltiptitle"), QStringLiteral("Rename"));
    bag.write(QStringLiteral("ToolTipIcon"), 1);
    bag.write(QStringLiteral("ttBackColor"), 0);
    bag.write(QStringLiteral("ttForeColor"), 0x0000FF);
    read(bag);
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(host.extenderToolTipText(), QString());
    EXPECT_EQ(tips->lastStyle, 0x43u);
    EXPECT_EQ(tips->lastTool.rect, (host::Rect{0, 0, 75, 23}));
    EXPECT_EQ(tips->calls, (QStringList{"create 43", "add Renames it", "title 1 Rename", "text 0000ff"}));
    message(host::WM_MOUSELEAVE);
    EXPECT_EQ(host.extenderToolTipText(), QStringLiteral("Renames it"));
    EXPECT_EQ(tips->alive, 0);
    EXPECT_TRUE(tips->calls.endsWith(QStringLiteral("destroy")));
}

TEST_F(Hover, ARectangularTipWithIconOnlyStillSendsTheTitle)
{
    PropertyBag bag;
    bag.write(QStringLiteral("ToolTipType"), 0);
    bag.write(QStringLiteral("ToolTipIcon"), 2);
    read(bag);
    host.setExtenderToolTipText(QStringLiteral("tip"));
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(tips->lastStyle, 0x03u);
    EXPECT_TRUE(tips->calls.contains(QStringLiteral("title 2 ")));
}

// Rebuilding while the pointer is over the control keeps the text it already holds.
TEST_F(Hover, SettingTheTextWhileHoveringLosesNothing)
{
    read();
    host.setExtenderToolTipText(QStringLiteral("first"));
    message(host::WM_MOUSEMOVE);
    button.setToolTipText(QStringLiteral("second"));
    EXPECT_EQ(tips->lastTool.lpszText, QStringLiteral("second"));
    EXPECT_EQ(tips->alive, 1);
    message(host::WM_MOUSELEAVE);
    EXPECT_EQ(host.extenderToolTipText(), QStringLiteral("second"));
}

TEST_F(Hover, TabRaisesMouseLeaveAndTheAccessKeyTogglesWithoutClick)
{
    PropertyBag bag;
    bag.write(QStringLiteral("ButtonType"), 1);
    read(bag);
    button.UserControl_KeyDown(9, 0);
    EXPECT_EQ(leaves, 1);
    button.UserControl_AccessKeyPress('p');
    EXPECT_TRUE(button.Value());
    EXPECT_EQ(clicks, 0);
}

TEST_F(Hover, TerminateDetachesAndAControlDestroyedByItsFormStopsAtOnce)
{
    read();
    button.UserControl_Terminate();
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(enters, 0);

    auto doomed = std::make_unique<cvButton>(host);
    doomed->ReadProperties(PropertyBag());
    doomed->UserControl_Show();
    doomed->MouseEnter.connect([&doomed] { doomed.reset(); });
    message(host::WM_MOUSEMOVE);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(tips->alive, 0);
    EXPECT_FALSE(hook->table.isAttached(host.window()));
}

TEST_F(Hover, AControlReadDisabledIsDisabledInItsHost)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Enabled"), 0);
    read(bag);
    EXPECT_FALSE(host.enabled());
}

} // namespace
} // namespace cvbutton
