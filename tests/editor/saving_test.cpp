// Save Comments and the close check, and what the window says when the library fails.
#include "editor_fixture.h"

namespace {

class SavingTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        path = picture(QStringLiteral("a.jpg"));
        comments.comments.insert(QFile::encodeName(path), "A");
        open(path);
        ASSERT_EQ(boxText(), QStringLiteral("A"));
        dialogs.messages.clear();
    }

    void type(const QString& text) { window->Text2()->setPlainText(text); }
    QByteArray stored() const { return comments.comments.value(QFile::encodeName(path)); }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto& message : dialogs.messages)
            texts.append(message.text);
        return texts;
    }
    bool closeKeepsWindow() { return window->Form_Unload(); }

    QString path;
};

TEST_F(SavingTest, BoxEqualToTheLoadedTextSavesNothingAndClosesWithoutAQuestion)
{
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("No changes made."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral(" Corvane 1.0"));
    EXPECT_TRUE(comments.calls.isEmpty());
    EXPECT_FALSE(closeKeepsWindow());
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(SavingTest, EditedTextIsSavedAndReportedEveryTime)
{
    type(QStringLiteral("B"));
    window->Command5_Click();
    window->Command5_Click(); // equal to the saved text now, still different from the loaded one
    EXPECT_EQ(shownTexts(), QStringList({" Comments saved.", " Comments saved."}));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral(" Comments"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(comments.calls, QList<QByteArray>({"DisplayStringByRef", "DisplayStringByRef"}))
        << "one write per save: the library's write replaces the old comment itself";
    EXPECT_EQ(stored(), "B");
    EXPECT_EQ(window->session().SavedComment(), QStringLiteral("B"));
    EXPECT_EQ(window->session().LoadedComment(), QStringLiteral("A"));
    EXPECT_FALSE(closeKeepsWindow()) << "right after a save the close asks nothing";
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(SavingTest, EditingBackToTheLoadedTextWritesNothingUntilASaveChangedTheFile)
{
    type(QStringLiteral("A"));
    window->Command5_Click();
    type(QStringLiteral("B"));
    window->Command5_Click();
    type(QStringLiteral("A"));
    window->Command5_Click();
    EXPECT_EQ(shownTexts(), QStringList({"No changes made.", " Comments saved.", " Comments saved."}));
    EXPECT_EQ(stored(), "A") << "the file holds the text the box went back to";
}

TEST_F(SavingTest, TextDifferentFromBothIsAskedAboutAtClose)
{
    type(QStringLiteral("B"));
    window->Command5_Click();
    type(QStringLiteral("C"));
    dialogs.answers = {platform::MessageAnswer::Yes};
    EXPECT_FALSE(closeKeepsWindow());
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Do you want to save changes before closing?"));
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Corvane 1.0"));
    EXPECT_EQ(dialogs.messages[1].icon, platform::MessageIcon::Question);
    EXPECT_EQ(dialogs.messages[1].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(stored(), "C");
}

TEST_F(SavingTest, AnsweringNoClosesWithoutSaving)
{
    type(QStringLiteral("C"));
    dialogs.answers = {platform::MessageAnswer::No};
    EXPECT_FALSE(closeKeepsWindow());
    EXPECT_EQ(stored(), "A");
}

TEST_F(SavingTest, CancelKeepsWindowPictureAndText)
{
    window->show();
    type(QStringLiteral("C"));
    dialogs.answers = {platform::MessageAnswer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(boxText(), QStringLiteral("C"));
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(window->Text1()->text(), path);
    EXPECT_EQ(stored(), "A");
}

TEST_F(SavingTest, FileDeletedBeforeClosingAsksBeforeTheTypingGoes)
{
    type(QStringLiteral("C"));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(closeKeepsWindow());
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(SavingTest, GuardsComeInTheirOrder)
{
    type(QStringLiteral("C"));
    window->Text1()->clear();
    window->Command5_Click();
    window->Text1()->setText(dir() + QStringLiteral("missing.jpg"));
    window->Command5_Click();
    window->Text1()->setText(path);
    dialogs.answers = {platform::MessageAnswer::No}; // the typing is left behind
    option("Option2")->click();
    type(QStringLiteral("C"));
    window->Command5_Click();
    EXPECT_EQ(shownTexts(), QStringList({"Please enter a valid file path.", " File not found.",
                                         "Do you want to save changes to a.jpg before moving on?",
                                         " Please select Photo comments option to save comments."}));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Corvane 1.0"));
    EXPECT_EQ(dialogs.messages[1].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[3].title, QStringLiteral(" Corvane 1.0"));
    EXPECT_TRUE(comments.calls.isEmpty());
}

TEST_F(SavingTest, FailedWriteIsReportedAndStillOfferedAtClose)
{
    comments.failWrite = true;
    type(QStringLiteral("B"));
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_FALSE(shownTexts().contains(QStringLiteral(" Comments saved.")));
    EXPECT_TRUE(window->session().SavedComment().isEmpty());

    dialogs.answers = {platform::MessageAnswer::Yes};
    EXPECT_TRUE(closeKeepsWindow()) << "a failed save on closing must not drop the edits";
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Do you want to save changes before closing?"));
}

TEST_F(SavingTest, FailedWriteLeavesThePreviousCommentInTheFile)
{
    comments.failWrite = true;
    type(QStringLiteral("B"));
    window->Command5_Click();
    EXPECT_EQ(comments.calls, QList<QByteArray>({"DisplayStringByRef"})) << "nothing erased beforehand";
    EXPECT_EQ(stored(), "A");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
}

TEST_F(SavingTest, EmptyBoxErasesTheCommentAndWritesNothing)
{
    type(QString());
    window->Command5_Click();
    EXPECT_EQ(comments.calls, QList<QByteArray>({"eraser"}));
    EXPECT_FALSE(comments.comments.contains(QFile::encodeName(path)));
    EXPECT_EQ(shownTexts(), QStringList({" Comments saved."}));

    comments.failErase = true;
    comments.comments.insert(QFile::encodeName(path), "A");
    window->Command5_Click();
    EXPECT_EQ(dialogs.messages.last().icon, platform::MessageIcon::Error) << "a failed erase is reported";
    EXPECT_EQ(stored(), "A");
}

TEST_F(SavingTest, SaveOnOnePictureDoesNotCoverEditsOfTheNext)
{
    const QString b = picture(QStringLiteral("b.jpg"));
    open(path); // the list now holds b.jpg too
    type(QStringLiteral("Holiday"));
    window->Command5_Click();
    window->Command2_Click(); // b.jpg, without a comment
    ASSERT_EQ(window->Text1()->text(), b);
    EXPECT_TRUE(window->session().SavedComment().isEmpty());
    type(QStringLiteral("Holiday"));

    dialogs.messages.clear();
    dialogs.answers = {platform::MessageAnswer::Yes};
    EXPECT_FALSE(closeKeepsWindow());
    ASSERT_EQ(shownTexts(), QStringList({"Do you want to save changes before closing?"}));
    EXPECT_EQ(comments.comments.value(QFile::encodeName(b)), "Holiday");
}

TEST_F(SavingTest, ClickingTheKindAlreadyChosenKeepsTheTyping)
{
    type(QStringLiteral("typed, not saved"));
    const int readsBefore = comments.reads;
    option("Option1")->click();
    EXPECT_EQ(boxText(), QStringLiteral("typed, not saved"));
    EXPECT_EQ(comments.reads, readsBefore);

    dialogs.answers = {platform::MessageAnswer::No}; // leaving the typing behind is asked about
    option("Option2")->click();
    option("Option2")->click();
    EXPECT_TRUE(window->Text2()->isReadOnly());
    option("Option1")->click(); // a real change of kind reloads the photo comment
    EXPECT_EQ(boxText(), QStringLiteral("A"));
    EXPECT_EQ(comments.reads, readsBefore + 1);
}

TEST_F(SavingTest, LineBreaksAreWrittenAndGraveAccentsReadBackAsLineBreaks)
{
    type(QStringLiteral("first\nsecond with a ` accent"));
    window->Command5_Click();
    EXPECT_EQ(stored(), "first\nsecond with a ` accent");
    EXPECT_EQ(comments.lastLength, 28); // characters of the box, the line break counted once
    window->Command2_Click();           // the only picture: shown again, comment read again
    EXPECT_EQ(boxText(), QStringLiteral("first\nsecond with a \n accent"));
}

using PhotoCommentTest = EditorTest;

TEST_F(PhotoCommentTest, CommentLongerThanTheFirstBufferIsReadWhole)
{
    const QString path = picture(QStringLiteral("long.png"));
    QByteArray longComment;
    for (int i = 0; i < 20000; ++i)
        longComment += "é"; // 40000 bytes of UTF-8
    longComment += "end";
    comments.comments.insert(QFile::encodeName(path), longComment);
    open(path);
    EXPECT_EQ(window->Text2()->toPlainText().size(), 20003);
    EXPECT_TRUE(boxText().endsWith(QStringLiteral("éend")));
    EXPECT_EQ(comments.reads, 2);
}

TEST_F(PhotoCommentTest, WithoutTheLibraryTheBoxStaysEmpty)
{
    comments.loaded = false;
    open(picture(QStringLiteral("a.png")));
    EXPECT_EQ(boxText(), QString());
    EXPECT_FALSE(window->Text2()->isReadOnly());
}

TEST_F(PhotoCommentTest, FileWithoutACommentShowsAnEmptyEditableBox)
{
    open(picture(QStringLiteral("a.png")));
    EXPECT_EQ(boxText(), QString());
    EXPECT_FALSE(window->Text2()->isReadOnly());
    EXPECT_EQ(window->session().LoadedComment(), QString());
}

TEST_F(PhotoCommentTest, StepsAskBeforeUnsavedEditsGo)
{
    const QString a = picture(QStringLiteral("a.png"));
    const QString b = picture(QStringLiteral("b.png"));
    comments.comments.insert(QFile::encodeName(b), "for b");
    open(a);
    window->Text2()->setPlainText(QStringLiteral("unsaved"));
    dialogs.answers = {platform::MessageAnswer::No};
    window->Command2_Click();
    EXPECT_EQ(boxText(), QStringLiteral("for b"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_FALSE(comments.comments.contains(QFile::encodeName(a)));
}

} // namespace

namespace {

// A path typed into the path box names another file than the picture shown: Save says so, and only a
// Yes, never a Return, writes the comment there.
TEST_F(SavingTest, PathBoxNamingAnotherFileIsSaidAndNoIsTheDefault)
{
    const QString other = picture(QStringLiteral("other.jpg"));
    type(QStringLiteral("B"));
    window->Text1()->setText(other);
    dialogs.answers = {platform::MessageAnswer::No};
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("The path box names %1, which is not the picture shown (%2).\n"
                                                       "Save the comment into %1?")
                                            .arg(other, path));
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(comments.calls.isEmpty());
}

// The picture is moved aside and another file put at its path while its comment is being edited.
TEST_F(SavingTest, FileReplacedSinceTheLoadIsAskedAboutAndNoKeepsTheText)
{
    ASSERT_TRUE(QFile::rename(path, dir() + QStringLiteral("aside.jpg")));
    picture(QStringLiteral("a.jpg"), Qt::blue);
    type(QStringLiteral("B"));

    dialogs.answers = {platform::MessageAnswer::No};
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("moved or replaced")));
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(comments.calls.isEmpty()) << "nothing written into the file that stands there now";
    EXPECT_EQ(boxText(), QStringLiteral("B"));

    dialogs.answers = {platform::MessageAnswer::Yes, platform::MessageAnswer::No};
    EXPECT_TRUE(closeKeepsWindow()) << "the close check's Yes asks again; No there keeps the window";
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_TRUE(comments.calls.isEmpty());

    dialogs.messages.clear();
    dialogs.answers = {platform::MessageAnswer::Yes};
    window->Command5_Click();
    EXPECT_EQ(stored(), "B") << "Yes writes into the file now at the path";
    EXPECT_EQ(shownTexts().last(), QStringLiteral(" Comments saved."));
}

// A NUL in the box would have the file keep only the text before it.
TEST_F(SavingTest, TextHoldingANulIsNeverReportedAsSaved)
{
    type(QStringLiteral("before") + QChar(u'\0') + QStringLiteral("after"));
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("NUL")));
    EXPECT_TRUE(comments.calls.isEmpty());
    EXPECT_EQ(stored(), "A");

    dialogs.answers = {platform::MessageAnswer::Yes};
    EXPECT_TRUE(closeKeepsWindow()) << "the close check does not take the edit for saved";
}

} // namespace
