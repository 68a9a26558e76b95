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
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            const QString path = picture(QString::fromLatin1(name));
            comments.comments.insert(QFile::encodeName(path), QByteArray(name, 1).toUpper());
        }
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        open(dir() + QStringLiteral("a.jpg"));
        dialogs.messages.clear();
    }
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<dialogs::RenameDialog*>(widget))
                widget->close();
        }
    }

    // The key as the user presses it, into whatever has the focus.
    void press(const QKeySequence& key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keySequence(target, key);
    }
    QString tip(const char* command) const { return window->findChild<QPushButton*>(command)->toolTip(); }
    QByteArray storedFor(const char* name) const
    {
        return comments.comments.value(QFile::encodeName(dir() + QString::fromLatin1(name)));
    }
    static bool renameDialogShown()
    {
        const QWidgetList forms = QApplication::topLevelWidgets();
        return std::any_of(forms.begin(), forms.end(), [](QWidget* form) {
            return qobject_cast<dialogs::RenameDialog*>(form) && form->isVisible();
        });
    }
    // The box has the focus and the caret stands after the last character.
    bool readyForTyping() const
    {
        const editor::CommentBox* box = window->Text2();
        return box->hasFocus() && box->textCursor().atEnd() && !box->textCursor().hasSelection();
    }
};

TEST_F(KeyboardLoopTest, EveryCommandKeyDoesWhatItsButtonDoesAndItsTooltipNamesIt)
{
    EXPECT_EQ(tip("Command1"), QStringLiteral("Open File (Ctrl+O)"));
    EXPECT_EQ(tip("Command2"), QStringLiteral("Next File (Alt+Right, Ctrl+PgDown)"));
    EXPECT_EQ(tip("Command3"), QStringLiteral("Previous File (Alt+Left, Ctrl+PgUp)"));
    EXPECT_EQ(tip("Command5"), QStringLiteral("Save Comments (Ctrl+S)\nSave and Next File (Ctrl+Return, Ctrl+Enter)"));
    EXPECT_EQ(tip("Command7"), QStringLiteral("Close (Ctrl+W, Ctrl+Q)"));
    EXPECT_EQ(tip("Command8"), QStringLiteral("Delete File (Shift+Del)"));
    EXPECT_EQ(tip("Command9"), QStringLiteral("Rename File (F2)"));

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
    EXPECT_TRUE(renameDialogShown());

    window->Text2()->setFocus();
    window->Text2()->selectAll();
    press(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    EXPECT_TRUE(shell.trashRequests.isEmpty()) << "in the comment box the key cuts, as in any text box";
    EXPECT_EQ(boxText(), QString());
    window->findChild<QPushButton*>("Command2")->setFocus();
    press(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    EXPECT_EQ(shell.trashRequests, QStringList({dir() + QStringLiteral("a.jpg")}));

    press(QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(KeyboardLoopTest, SaveAndNextWritesTheCaptionAndMovesOnWithoutAMessage)
{
    QTest::keyClicks(window->Text2(), QStringLiteral(" and a swim"));
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));
    EXPECT_EQ(storedFor("a.jpg"), "A and a swim");
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_EQ(boxText(), QStringLiteral("B"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
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
    EXPECT_TRUE(window->Text2()->hasFocus());
}

TEST_F(KeyboardLoopTest, AfterEveryStepTheBoxHasTheFocusWithTheCaretAtTheEnd)
{
    EXPECT_TRUE(readyForTyping()) << "after Open";
    QTest::mouseClick(window->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(shownName(), QStringLiteral("b.jpg"));
    EXPECT_TRUE(readyForTyping()) << "after a click on Next File";
    window->Text2()->moveCursor(QTextCursor::Start);
    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_TRUE(readyForTyping()) << "after Previous File from the keyboard";
    QTest::keyClicks(window->Text2(), QStringLiteral("!"));
    EXPECT_EQ(boxText(), QStringLiteral("A!"));
}

} // namespace
