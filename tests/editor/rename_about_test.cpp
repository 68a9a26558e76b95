// Rename File and About from the main window.
#include "cvbutton/widget_host.h"
#include "dialogs/about_window.h"
#include "dialogs/clickable_label.h"
#include "dialogs/name_box.h"
#include "dialogs/rename_dialog.h"
#include "editor_fixture.h"

namespace {

template<typename Form>
QList<Form*> openForms(const char* name)
{
    QList<Form*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            found << qobject_cast<Form*>(widget);
    }
    return found;
}

class RenameAboutTest : public EditorTest {
protected:
    dialogs::RenameDialog* renameDialog()
    {
        const QList<dialogs::RenameDialog*> forms = openForms<dialogs::RenameDialog>("Form2");
        return forms.size() == 1 ? forms[0] : nullptr;
    }

    void renameTo(const QString& name)
    {
        window->Command9_Click();
        dialogs::RenameDialog* dialog = renameDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->Text2()->setText(name);
        QTest::keyClick(dialog->cvButton2(), Qt::Key_Space);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(RenameAboutTest, RenameWithoutAnExistingFileSaysFileNotFoundAndOpensNothing)
{
    window->Command9_Click();
    window->Text1()->setText(dir() + QStringLiteral("gone.jpg"));
    window->Command9_Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    for (const auto& message : dialogs.messages) {
        EXPECT_EQ(message.text, QStringLiteral(" File not found."));
        EXPECT_EQ(message.title, QStringLiteral("Error"));
        EXPECT_EQ(message.icon, platform::MessageIcon::Information);
    }
    EXPECT_TRUE(openForms<QWidget>("Form2").isEmpty());
}

TEST_F(RenameAboutTest, RenameAgainWhileOpenOnlyRaisesTheOpenDialog)
{
    open(picture(QStringLiteral("a.jpg")));
    window->Command9_Click();
    dialogs::RenameDialog* dialog = renameDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    dialog->Text2()->setText(QStringLiteral("half typed"));
    window->Command9_Click();
    EXPECT_EQ(renameDialog(), dialog);
    EXPECT_EQ(dialog->Text2()->text(), QStringLiteral("half typed")) << "Load does not run again";
}

TEST_F(RenameAboutTest, NextAndPreviousAfterARenameContinueFromTheNewName)
{
    picture(QStringLiteral("a.jpg"));
    open(picture(QStringLiteral("c.png")));
    picture(QStringLiteral("e.gif"));
    renameTo(QStringLiteral("f"));
    EXPECT_EQ(window->Text1()->text(), dir() + QStringLiteral("f.PNG"));
    EXPECT_TRUE(window->session().File1().names().contains(QStringLiteral("f.PNG"))) << "the list takes it at once";
    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg")) << "f.PNG is last now, so Next wraps";

    renameTo(QStringLiteral("b"));
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("f.PNG")) << "Previous from b.JPG, the first, wraps to the last";
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("e.gif"));
    EXPECT_FALSE(QFile::exists(dir() + QStringLiteral("a.jpg")));
}

// The dialog is opened on p1, the window steps on to p2, then the name is given: Save must stay with
// p2 and never write p2's comment into the renamed p1.
TEST_F(RenameAboutTest, RenameFinishedAfterTheWindowMovedOnNeverRedirectsSave)
{
    const QString p1 = picture(QStringLiteral("p1.jpg"));
    const QString p2 = picture(QStringLiteral("p2.jpg"));
    comments.comments.insert(QFile::encodeName(p1), "one");
    comments.comments.insert(QFile::encodeName(p2), "two");
    open(p1);
    window->Command9_Click();
    dialogs::RenameDialog* dialog = renameDialog();
    ASSERT_NE(dialog, nullptr);
    window->Command2_Click();
    ASSERT_EQ(shownName(), QStringLiteral("p2.jpg"));
    dialog->Text2()->setText(QStringLiteral("renamed"));
    QTest::keyClick(dialog->cvButton2(), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QString renamed = dir() + QStringLiteral("renamed.JPG");
    ASSERT_TRUE(QFile::exists(renamed));
    EXPECT_EQ(window->Text1()->text(), p2);
    window->Text2()->setPlainText(QStringLiteral("two, edited"));
    window->Command5_Click();
    EXPECT_EQ(comments.comments.value(QFile::encodeName(p2)), "two, edited");
    EXPECT_EQ(comments.comments.value(QFile::encodeName(renamed)), "") << "nothing written into renamed p1";

    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("renamed.JPG")) << "the renamed file follows p2 in the rebuilt list";
}

TEST_F(RenameAboutTest, AFailedRenameLeavesWindowAndFlagAsTheyWere)
{
    open(picture(QStringLiteral("a.jpg")));
    picture(QStringLiteral("b.JPG"));
    renameTo(QStringLiteral("b"));
    ASSERT_NE(renameDialog(), nullptr);
    EXPECT_EQ(window->Text1()->text(), dir() + QStringLiteral("a.jpg"));
    EXPECT_EQ(window->session().File1().names(), QStringList({"a.jpg"}));
    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("a.jpg")) << "the list was not rebuilt, so b.JPG is not in it yet";
}

TEST_F(RenameAboutTest, AboutOpensOneWindowWhoseLinksGoThroughTheShell)
{
    window->Command6_Click();
    window->Command6_Click();
    const QList<dialogs::AboutWindow*> forms = openForms<dialogs::AboutWindow>("Form1");
    ASSERT_EQ(forms.size(), 1);
    EXPECT_EQ(forms[0]->size(), QSize(447, 216));
    forms[0]->Label3_Click();
    EXPECT_EQ(shell.openedUrls.size(), 1);
    QTest::keyClick(forms[0]->cvButton1(), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(openForms<QWidget>("Form1").isEmpty());
    window->Command6_Click();
    EXPECT_EQ(openForms<QWidget>("Form1").size(), 1) << "a closed window opens afresh";
}

TEST_F(RenameAboutTest, OpenWindowsGoWithTheMainWindow)
{
    open(picture(QStringLiteral("a.jpg")));
    window->Command9_Click();
    window->Command6_Click();
    QPointer<QWidget> rename = renameDialog();
    ASSERT_FALSE(rename.isNull());
    window.reset();
    EXPECT_TRUE(rename.isNull());
    EXPECT_TRUE(openForms<QWidget>("Form1").isEmpty());
}

} // namespace
