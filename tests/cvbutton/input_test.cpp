// Tests of the control's answer to the pointer and keys: presses, clicks, check buttons and access keys.
#include "button_fixture.h"

#include <stdexcept>

namespace cvbutton {
namespace {

using testing::ButtonTest;

class Input : public ButtonTest {
protected:
    Input()
    {
        button.InitProperties();
        button.Click.connect([this] { ++clicks; });
        button.MouseLeave.connect([this] { ++leaves; });
    }

    void leftClick()
    {
        button.UserControl_MouseDown(1, 0, 5, 5);
        button.UserControl_MouseUp(1, 0, 5, 5);
        button.UserControl_Click();
    }

    int clicks = 0;
    int leaves = 0;
};

TEST_F(Input, ALeftClickWithoutHoverTrackingPressesThenGoesHotWithoutClick)
{
    button.UserControl_MouseDown(1, 0, 5, 5);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.UserControl_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    EXPECT_EQ(button.runtime().LastMouseButton, 1);
    button.UserControl_Click();
    EXPECT_EQ(button.runtime().DrawState, StateHot);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Input, ACheckButtonTogglesOnTheContainersClick)
{
    button.setButtonType(KindCheck);
    button.UserControl_MouseDown(1, 0, 5, 5);
    button.UserControl_MouseUp(1, 0, 5, 5);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.UserControl_Click();
    EXPECT_TRUE(button.Value());
    leftClick();
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.runtime().DrawState, StateHot);
}

TEST_F(Input, RightClicksChangeNothingButStopSpaceFromToggling)
{
    button.setButtonType(KindCheck);
    button.UserControl_MouseDown(2, 0, 5, 5);
    button.UserControl_MouseUp(2, 0, 5, 5);
    button.UserControl_Click();
    EXPECT_EQ(button.runtime().LastMouseButton, 2);
    EXPECT_FALSE(button.Value());
    button.UserControl_KeyDown(32, 0);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.UserControl_KeyUp(32, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
}

TEST_F(Input, SpaceBeforeAnyClickRaisesClickAndTheAccessKeyToggles)
{
    button.setButtonType(KindCheck);
    button.UserControl_KeyUp(32, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Value());
    button.UserControl_AccessKeyPress('O');
    EXPECT_TRUE(button.Value());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
}

TEST_F(Input, ArrowKeysMoveTheFocusAndTabRaisesMouseLeave)
{
    button.setButtonType(KindCheck);
    button.UserControl_KeyDown(39, 0);
    button.UserControl_KeyDown(40, 0);
    button.UserControl_KeyDown(37, 0);
    button.UserControl_KeyDown(38, 0);
    EXPECT_EQ(host.sentKeys(), (QStringList{"{TAB}", "{TAB}", "+{TAB}", "+{TAB}"}));
    EXPECT_FALSE(button.Value());
    button.UserControl_KeyDown(9, 0);
    EXPECT_EQ(leaves, 1);
}

TEST_F(Input, ADoubleClickShowsThePressedLookAfterALeftButtonOnly)
{
    leftClick();
    button.UserControl_DblClick();
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
    button.UserControl_MouseUp(2, 0, 0, 0);
    button.setDrawState(StateNormal);
    button.UserControl_DblClick();
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
}

TEST_F(Input, AFailingClickHandlerEndsTheRaisingHandler)
{
    button.Click.connect([] { throw std::runtime_error("rename failed"); });
    button.UserControl_KeyDown(32, 0);
    EXPECT_NO_THROW(button.UserControl_KeyUp(32, 0));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.runtime().DrawState, StatePressed);
}

TEST_F(Input, ValueChangedByAClickSendsNoNotification)
{
    button.setButtonType(KindCheck);
    host.forgetNotifications();
    leftClick();
    EXPECT_TRUE(host.notifications().isEmpty());
}

} // namespace
} // namespace cvbutton
