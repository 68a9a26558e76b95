// Typing is never written into a picture it was not meant for, and never lost without a question.
#include "editor_fixture.h"

#include <QPushButton>

namespace {

using platform::MessageAnswer;

class TypingKeptTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        openAmongThreeCommented();
    }
    void type(const QString& text)
    {
        window->Text2()->moveCursor(QTextCursor::End);
        window->Text2()->insertPlainText(text);
    }
    void erase(int characters)
    {
        for (int i = 0; i < characters; ++i)
            window->Text2()->textCursor().deletePreviousChar();
    }
    // Through the button, as a click or the command's keys reach it.
    void press(const char* command) { window->findChild<QPushButton*>(QString::fromLatin1(command))->click(); }
    int writes() const { return int(comments.calls.count("DisplayStringByRef")); }
};

TEST_F(TypingKeptTest, PictureHandedOverDuringAnyQuestionWaitsAndYesSavesOnlyThePictureAskedAbout)
{
    type(QStringLiteral(" typed"));
    const QString c = dir() + QStringLiteral("c.jpg");
    dialogs.whileShown = [&] {
        dialogs.whileShown = nullptr;
        window->openHandedOver(c);
    };
    dialogs.answers = {MessageAnswer::Yes};
    press("Command2"); // Next asks before moving on; a later start hands c.jpg over meanwhile

    EXPECT_EQ(dialogs.maxOpenAtOnce, 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(storedFor("a.jpg"), "A typed") << "the Yes belongs to the picture asked about";
    EXPECT_EQ(storedFor("c.jpg"), "C") << "nothing written into a picture never edited";
    EXPECT_EQ(writes(), 1);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg")) << "Next finishes first";

    QCoreApplication::processEvents();
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg")) << "the waiting picture opens once Next is done";

    // A hand-over's own question names the picture the typing belongs to.
    type(QStringLiteral(" more"));
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::Cancel};
    window->openHandedOver(dir() + QStringLiteral("a.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save changes to c.jpg before moving on?"));
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg"));
}

TEST_F(TypingKeptTest, TypingBackToTheTextLoadedBeforeASaveIsAskedAboutOnTheWayOut)
{
    type(QStringLiteral(" again"));
    press("Command5");
    erase(6);
    ASSERT_EQ(boxText(), QStringLiteral("A"));
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::Cancel};
    press("Command2");
    ASSERT_EQ(dialogs.messages.size(), 1) << "leaving asks: the file holds \"A again\"";
    EXPECT_TRUE(window->Form_Unload()) << "closing asks too, and Cancel stays";
    EXPECT_EQ(storedFor("a.jpg"), "A again");
}

TEST_F(TypingKeptTest, TypingForAPictureAnotherProgramMovedIsNeverDroppedWithoutAQuestion)
{
    type(QStringLiteral(" typed"));
    const QString renamed = dir() + QStringLiteral("a-renamed.jpg");
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("a.jpg"), renamed));
    comments.comments.insert(QFile::encodeName(renamed), "A");

    // Renamed within its folder: the window follows it and offers to save there.
    dialogs.answers = {MessageAnswer::Yes};
    press("Command2");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("a.jpg was renamed to a-renamed.jpg by another program.\n"
                             "Do you want to save changes to a-renamed.jpg before moving on?"));
    EXPECT_EQ(comments.comments.value(QFile::encodeName(renamed)), "A typed");
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));

    // Gone from its folder: every way out asks before the typing goes, and No keeps it.
    type(QStringLiteral(" typed"));
    ASSERT_TRUE(QFile::rename(dir() + QStringLiteral("b.jpg"), folder.filePath(QStringLiteral("trash/b.jpg"))));
    const auto askedToDrop = [&](const std::function<void()>& leave) {
        dialogs.messages.clear();
        dialogs.answers = {MessageAnswer::No};
        leave();
        return dialogs.messages.size() == 1 &&
               dialogs.messages[0].text.startsWith(QStringLiteral("b.jpg is no longer there")) &&
               boxText() == QStringLiteral("B typed");
    };
    EXPECT_TRUE(askedToDrop([&] { window->openHandedOver(dir() + QStringLiteral("c.jpg")); })) << "hand-over";
    EXPECT_TRUE(askedToDrop([&] { open(dir() + QStringLiteral("c.jpg")); })) << "Open";
    EXPECT_TRUE(askedToDrop([&] { EXPECT_TRUE(window->Form_Unload()); })) << "Close";

    dialogs.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(window->Form_Unload()) << "Yes lets the typing go";
}

TEST_F(TypingKeptTest, GraveAccentsOfACaptionFieldAreTextAndOnlyTheOwnCommentFieldMarksLines)
{
    const QByteArray a = QFile::encodeName(dir() + QStringLiteral("a.jpg"));
    comments.comments.insert(a, "Rock `n` Roll");
    comments.sources.insert(a, platform::CommentSource::CaptionField);
    window->Command3_Click();
    window->Command2_Click();
    EXPECT_EQ(boxText(), QStringLiteral("Rock `n` Roll"));

    comments.sources.insert(a, platform::CommentSource::OwnComment);
    window->Command3_Click();
    window->Command2_Click();
    EXPECT_EQ(boxText(), QStringLiteral("Rock \nn\n Roll"));
}

TEST_F(TypingKeptTest, ASaveThatACaptionFieldCouldNotHoldWholeSaysSo)
{
    comments.writeStatus = 2; // the library's notice for a packet it could not parse
    type(QStringLiteral(" long"));
    press("Command5");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("not every caption field")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("status 2"))) << "the library's own words";
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Warning);

    type(QStringLiteral(" more"));
    dialogs.messages.clear();
    window->saveAndNext();
    ASSERT_EQ(dialogs.messages.size(), 1) << "Save and Next tells it as well";
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
}

} // namespace
