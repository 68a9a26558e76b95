// Leaving a picture with unsaved typing: every way out asks first.
#include "editor_fixture.h"

namespace {

using platform::MessageAnswer;

class LeaveGuardTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        openAmongThreeCommented();
    }
    void typeAfterTheComment(const QString& text)
    {
        window->Text2()->moveCursor(QTextCursor::End);
        window->Text2()->insertPlainText(text);
    }
};

enum class Way { Next, Previous, Open, Kind };

// A way of leaving a.jpg, and what the window shows afterwards.
struct Leave {
    const char* name;
    Way way;
    const char* shownAfter;
    const char* boxAfter;
};

void PrintTo(const Leave& leave, std::ostream* out)
{
    *out << leave.name;
}

class LeavePictureTest : public LeaveGuardTest, public ::testing::WithParamInterface<Leave> {
protected:
    void leave(MessageAnswer answer)
    {
        dialogs.answers = {answer};
        switch (GetParam().way) {
        case Way::Next:
            return window->Command2_Click();
        case Way::Previous:
            return window->Command3_Click();
        case Way::Open:
            return open(dir() + QStringLiteral("c.jpg"));
        case Way::Kind:
            return option("Option2")->click();
        }
    }
};

TEST_P(LeavePictureTest, TypingIsOfferedForSavingAndCancelYesAndNoDoWhatTheySay)
{
    typeAfterTheComment(QStringLiteral(" and a swim"));
    leave(MessageAnswer::Cancel);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save changes to a.jpg before moving on?"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Corvane 1.0"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(boxText(), QStringLiteral("A and a swim")) << "Cancel keeps the typing";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.jpg - Corvane 1.0"));
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_FALSE(window->Text2()->isReadOnly());
    EXPECT_EQ(storedFor("a.jpg"), "A");

    leave(MessageAnswer::Yes);
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim") << "Yes writes the typing";
    EXPECT_EQ(shownName(), QString::fromLatin1(GetParam().shownAfter));
    EXPECT_EQ(boxText(), QString::fromLatin1(GetParam().boxAfter));
    EXPECT_EQ(dialogs.messages.size(), 2) << "the save on the way says nothing when it works";

    option("Option1")->click();
    open(dir() + QStringLiteral("a.jpg"));
    typeAfterTheComment(QStringLiteral(" twice"));
    leave(MessageAnswer::No);
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim") << "No writes nothing";
    EXPECT_EQ(boxText(), QString::fromLatin1(GetParam().boxAfter));
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, LeavePictureTest,
                         ::testing::Values(Leave{"Next", Way::Next, "b.jpg", "B"},
                                           Leave{"Previous", Way::Previous, "c.jpg", "C"},
                                           Leave{"Open", Way::Open, "c.jpg", "C"},
                                           Leave{"WindowsComments", Way::Kind, "a.jpg", ""}),
                         [](const ::testing::TestParamInfo<Leave>& info) { return std::string(info.param.name); });

TEST_F(LeaveGuardTest, FailedSaveOnTheWaySaysWhyAndStaysWithTheTyping)
{
    comments.failWrite = true;
    typeAfterTheComment(QStringLiteral(" and a swim"));
    dialogs.answers = {MessageAnswer::Yes};
    window->Command2_Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Error"));
    EXPECT_TRUE(dialogs.messages[1].text.contains(dir() + QStringLiteral("a.jpg")));
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(boxText(), QStringLiteral("A and a swim"));
}

TEST_F(LeaveGuardTest, NothingIsAskedWhenNothingWouldBeLost)
{
    window->Command2_Click(); // unchanged
    window->Text2()->setPlainText(QStringLiteral("B, edited"));
    window->Command5_Click();
    dialogs.messages.clear();
    window->Command2_Click(); // saved as it stands
    option("Option2")->click();
    window->Command3_Click(); // the desktop's comment cannot be typed
    option("Option1")->click();
    window->Text2()->setPlainText(QStringLiteral("typed"));
    open(QString()); // the Open dialog cancelled
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(storedFor("b.jpg"), "B, edited");
}

} // namespace
