// Captioning from the keyboard: the command keys, Save and Next, and the focus after every step.
#include "dialogs/rename_dialog.h"
#include "editor_fixture.h"

#include <QPushButton>
#include <algorithm>

namespace {

// A shown, active window over a.jpg, b.jpg, c.jpg (photo comments "A", "B", "C"), opened at a.jpg.
class KeyboardLoopTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        openAmongThreeCommented();
    }
    void TearDown() override
    {
        for (QWidget* form : QApplication::topLevelWidgets())
            if (qobject_cast<dialogs::RenameDialog*>(form))
                form->close();
    }

    // The key as the user presses it, into whatever has the focus.
    void press(const QKeySequence& key) { QTest::keySequence(QApplication::focusWidget(), key); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    // The box has the focus and the caret stands after the last character.
    bool readyForTyping() const
    {
        const editor::CommentBox* box = window->Text2();
        return box->hasFocus() && box->textCursor().atEnd() && !box->textCursor().hasSelection();
    }
};

TEST_F(KeyboardLoopTest, EveryCommandKeyDoesWhatItsButtonDoesAndItsTooltipNamesIt)
{
    QStringList tips;
    for (const char* command : {"Command1", "Command2", "Command3", "Command5", "Command7", "Command8", "Command9"})
        tips.append(button(command)->toolTip());
    EXPECT_EQ(tips, QStringList({"Open File (Ctrl+O)", "Next File (Alt+Right, Ctrl+PgDown)",
                                 "Previous File (Alt+Left, Ctrl+PgUp)",
                                 "Save Comments (Ctrl+S)\nSave and Next File (Ctrl+Return, Ctrl+Enter)",
                                 "Close (Ctrl+W, Ctrl+Q)", "Delete File (Ctrl+Shift+Del)", "Rename File (F2)"}));

    QStringList shown;
    for (const QKeySequence& key : {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
                                    QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        press(key);
        shown.append(shownName());
    }
    EXPECT_EQ(shown, QStringList({"b.jpg", "c.jpg", "b.jpg", "a.jpg"}));

    QTest::keyClicks(window->Text2(), QStringLiteral(" and a swim"));
    press(QKeySequence::Save);
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim");
    press(QKeySequence::Open);
    EXPECT_EQ(dialogs.openRequests.size(), 2) << "the test's own open, then the key's";
    press(QKeySequence(Qt::Key_F2));
    const QWidgetList forms = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(forms.begin(), forms.end(), [](QWidget* form) {
        return qobject_cast<dialogs::RenameDialog*>(form) && form->isVisible();
    }));

    window->Text2()->setFocus();
    window->Text2()->selectAll();
    press(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    EXPECT_TRUE(shell.trashRequests.isEmpty()) << "in the comment box Shift+Delete cuts, as in any text box";
    EXPECT_EQ(boxText(), QString()) << "cut";
    window->Text2()->undo();

    press(QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(window->isVisible());
}

// The focus is nearly always in a text box: Delete File's key works from there and leaves its text alone.
TEST_F(KeyboardLoopTest, DeleteFilesKeyWorksFromTheTextBoxesWithoutTouchingTheirText)
{
    const QKeySequence deleteKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete);
    shell.confirmDelete = false; // the file stays for the next try
    window->Text2()->setFocus();
    window->Text2()->moveCursor(QTextCursor::Start);
    press(deleteKey);
    EXPECT_EQ(shell.trashRequests, QStringList({dir() + QStringLiteral("a.jpg")}));
    EXPECT_EQ(boxText(), QStringLiteral("A"));

    window->Text1()->setFocus();
    window->Text1()->setCursorPosition(0);
    press(deleteKey);
    EXPECT_EQ(shell.trashRequests.size(), 2) << "from the path box too";
    EXPECT_EQ(window->Text1()->text(), dir() + QStringLiteral("a.jpg"));

    button("Command2")->setFocus();
    press(deleteKey);
    EXPECT_EQ(shell.trashRequests.size(), 3) << "and from a button";
}

TEST_F(KeyboardLoopTest, SaveAndNextWritesTheCaptionAndMovesOnWithTheBoxReadyForTyping)
{
    EXPECT_TRUE(readyForTyping()) << "after Open";
    QTest::keyClicks(window->Text2(), QStringLiteral(" and a swim"));
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim");
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "a save that worked says nothing";
    EXPECT_TRUE(readyForTyping());

    const qsizetype writes = comments.calls.size();
    QTest::keyClick(window->Text2(), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg")) << "the keypad's Enter does the same";
    EXPECT_EQ(comments.calls.size(), writes) << "an unchanged comment is not written again";

    comments.failWrite = true;
    QTest::keyClicks(window->Text2(), QStringLiteral(" at dusk"));
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(shownName(), QStringLiteral("c.jpg"));
    EXPECT_EQ(boxText(), QStringLiteral("C at dusk"));

    window->Text2()->setPlainText(QStringLiteral("C"));
    window->Text2()->moveCursor(QTextCursor::Start);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_TRUE(readyForTyping()) << "after a click on Previous File";
}

} // namespace
