#include "editor_fixture.h"

namespace {

using platform::MessageAnswer;

enum class Way { Next, Previous, Open, Kind };

// One way of leaving a picture, and where it leads from a.jpg of a.jpg, b.jpg, c.jpg (photo comments
// "A", "B", "C").
struct Leave {
    const char* name;
    Way way;
    QString shownAfter; // the file in the path box afterwards; empty: still a.jpg
    QString boxAfter;   // the comment box afterwards
};

void PrintTo(const Leave& leave, std::ostream* out)
{
    *out << leave.name;
}

class LeaveGuardTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            const QString path = picture(QString::fromLatin1(name));
            comments.comments.insert(QFile::encodeName(path), QByteArray(name, 1).toUpper());
        }
        open(dir() + QStringLiteral("a.jpg"));
        dialogs.messages.clear();
    }

    void typeAfterTheComment(const QString& text)
    {
        window->Text2()->moveCursor(QTextCursor::End);
        window->Text2()->insertPlainText(text);
    }
    QByteArray storedFor(const char* name) const
    {
        return comments.comments.value(QFile::encodeName(dir() + QString::fromLatin1(name)));
    }
};

class LeavePictureTest : public LeaveGuardTest, public ::testing::WithParamInterface<Leave> {
protected:
    void leave(MessageAnswer answer)
    {
        dialogs.answers = {answer};
        switch (GetParam().way) {
        case Way::Next:
            window->Command2_Click();
            break;
        case Way::Previous:
            window->Command3_Click();
            break;
        case Way::Open:
            dialogs.fileToOpen = dir() + QStringLiteral("c.jpg");
            window->Command1_Click();
            break;
        case Way::Kind:
            option("Option2")->click();
            break;
        }
    }
};

TEST_P(LeavePictureTest, TypingIsOfferedForSavingAndCancelYesAndNoDoWhatTheySay)
{
    const QString a = dir() + QStringLiteral("a.jpg");
    const QString after = GetParam().shownAfter.isEmpty() ? a : dir() + GetParam().shownAfter;
    typeAfterTheComment(QStringLiteral(" and a swim"));

    leave(MessageAnswer::Cancel);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save changes to a.jpg before moving on?"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Corvane 1.0"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(boxText(), QStringLiteral("A and a swim")) << "Cancel keeps the typing";
    EXPECT_EQ(window->Text1()->text(), a);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.jpg - Corvane 1.0"));
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_FALSE(window->Text2()->isReadOnly());
    EXPECT_EQ(storedFor("a.jpg"), "A");

    leave(MessageAnswer::Yes);
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim") << "Yes writes the typing";
    EXPECT_EQ(window->Text1()->text(), after);
    EXPECT_EQ(boxText(), GetParam().boxAfter);
    EXPECT_EQ(dialogs.messages.size(), 2) << "the save on the way says nothing when it works";

    if (!option("Option1")->isChecked())
        option("Option1")->click();
    open(a);
    typeAfterTheComment(QStringLiteral(" twice"));
    leave(MessageAnswer::No);
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim") << "No writes nothing";
    EXPECT_EQ(window->Text1()->text(), after);
    EXPECT_EQ(boxText(), GetParam().boxAfter);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayOut, LeavePictureTest,
    ::testing::Values(Leave{"Next", Way::Next, "b.jpg", "B"}, Leave{"Previous", Way::Previous, "c.jpg", "C"},
                      Leave{"Open", Way::Open, "c.jpg", "C"}, Leave{"WindowsComments", Way::Kind, {}, {}}),
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

    dialogs.fileToOpen = dir() + QStringLiteral("b.jpg");
    dialogs.answers = {MessageAnswer::Yes};
    window->Command1_Click();
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
    dialogs.fileToOpen.clear();
    window->Text2()->setPlainText(QStringLiteral("typed"));
    window->Command1_Click(); // no file chosen
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("b.jpg")));
    window->Command3_Click(); // the file is gone: nothing to save into
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" File not found."));
    EXPECT_EQ(storedFor("b.jpg"), "B, edited");
}

} // namespace
