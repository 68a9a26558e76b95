// Open File, Font and Close.
#include "editor_fixture.h"
#include "platform/font_dialog.h"
#include "platform/qt_dialogs.h"
#include "support/modal_answer.h"

#include <QApplication>

namespace {

using OpenTest = EditorTest;

TEST_F(OpenTest, WithoutACurrentFileStartsInThePicturesFolder)
{
    shell.picturesFolder = folder.path();
    window->Command1_Click();
    ASSERT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, dir());
    EXPECT_EQ(dialogs.openRequests[0].filterName, QStringLiteral("Picture Files"));
    EXPECT_EQ(
        dialogs.openRequests[0].patterns,
        QStringLiteral("*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.gif;*.bmp;*.tif;*.tiff;*.webp;*.heic;*.heif;*.hif;*.avif;"
                       "*.jxl;*.nef;*.nrw;*.cr2;*.cr3;*.crw;*.arw;*.srf;*.sr2;*.raf;*.orf;*.rw2;*.rwl;*.pef;*.srw;"
                       "*.dng;*.3fr;*.iiq;*.erf;*.mrw;*.x3f;*.dcr;*.kdc;*.mos;*.mef"));
}

TEST_F(OpenTest, WithACurrentFileStartsInItsFolder)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString inSub = picture(QStringLiteral("sub/a.png"));
    shell.picturesFolder = folder.path();
    open(inSub);
    window->Command1_Click();
    ASSERT_EQ(dialogs.openRequests.size(), 2);
    EXPECT_EQ(dialogs.openRequests[1].initialFolder, dir() + QStringLiteral("sub/"));
}

TEST_F(OpenTest, WithoutAPicturesFolderStartsInTheHomeFolder)
{
    shell.picturesFolder.clear(); // a fresh account: the pictures folder was never made
    shell.home = folder.path();
    window->Command1_Click();
    ASSERT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, dir());

    // A path typed into the path box whose folder is gone: not a place to start either.
    window->Text1()->setText(QStringLiteral("/no/such/folder/a.jpg"));
    window->Command1_Click();
    ASSERT_EQ(dialogs.openRequests.size(), 2);
    EXPECT_EQ(dialogs.openRequests[1].initialFolder, dir());
}

TEST_F(OpenTest, NewUsersWayInWithoutAPicturesFolder)
{
    shell.picturesFolder.clear();
    shell.home = folder.path();
    picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.png"));
    open(b);
    window->Command2_Click();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.jpg - Corvane 1.0")) << "Next wraps to the first";
    window->Command3_Click();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("b.png - Corvane 1.0"));
    ASSERT_TRUE(QFile::remove(b));
    window->Command2_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" File not found."));
}

TEST_F(OpenTest, CancelledChangesNothing)
{
    const QString a = picture(QStringLiteral("a.png"));
    comments.comments.insert(QFile::encodeName(a), "kept");
    open(a);
    window->Text2()->setPlainText(QStringLiteral("being edited"));
    const QString title = window->windowTitle();

    open(QString()); // the dialog returns nothing
    EXPECT_EQ(window->Text1()->text(), a);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(boxText(), QStringLiteral("being edited"));
    EXPECT_EQ(window->session().LoadedComment(), QStringLiteral("kept"));
}

TEST_F(OpenTest, FillsPathTitleIndexAndComment)
{
    picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.png"));
    comments.comments.insert(QFile::encodeName(b), "two`lines");
    open(b);
    EXPECT_EQ(window->Text1()->text(), b);
    EXPECT_EQ(window->session().CurrentFileName(), QStringLiteral("b.png"));
    EXPECT_EQ(window->session().CurrentFolder(), dir());
    EXPECT_EQ(window->session().CurrentIndex(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("b.png - Corvane 1.0"));
    EXPECT_EQ(boxText(), QStringLiteral("two\nlines"));
}

using FontTest = EditorTest;

TEST_F(FontTest, AppliedToTheCommentBoxOnly)
{
    QFont chosen(QStringLiteral("Serif"), 17);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    dialogs.fontToChoose = platform::FontChoice{chosen, QColor(Qt::darkRed)};
    const QFont pathFont = window->Text1()->font();

    window->Command10_Click();
    const QFont boxFont = window->Text2()->font();
    EXPECT_EQ(boxFont.family(), chosen.family());
    EXPECT_EQ(boxFont.pointSize(), 17);
    EXPECT_TRUE(boxFont.bold());
    EXPECT_TRUE(boxFont.italic());
    EXPECT_TRUE(boxFont.underline());
    EXPECT_TRUE(boxFont.strikeOut());
    EXPECT_EQ(window->Text2()->palette().color(QPalette::Text), QColor(Qt::darkRed));
    EXPECT_EQ(window->Text1()->font(), pathFont);
}

TEST_F(FontTest, CancelLeavesFontAndColourAsTheyWere)
{
    const QFont before = window->Text2()->font();
    const QColor colour = window->Text2()->palette().color(QPalette::Text);
    dialogs.fontToChoose.reset();
    window->Command10_Click();
    EXPECT_EQ(dialogs.fontRequests, 1);
    EXPECT_EQ(window->Text2()->font(), before);
    EXPECT_EQ(window->Text2()->palette().color(QPalette::Text), colour);
}

// The chooser never opens on the box's current choice: it starts where the box started.
TEST_F(FontTest, TheChooserStartsOnTheWindowsFontAndTextColourEveryTime)
{
    const QFont design = window->Text2()->font();
    const QColor designColour = window->Text2()->palette().color(QPalette::Text);
    dialogs.fontToChoose = platform::FontChoice{QFont(QStringLiteral("Serif"), 17), QColor(Qt::darkRed)};
    window->Command10_Click();
    window->Command10_Click();
    ASSERT_TRUE(dialogs.fontStart.has_value());
    EXPECT_EQ(dialogs.fontStart->font, design);
    EXPECT_EQ(dialogs.fontStart->color, designColour);
}

// Through the real chooser: opening it and pressing Return changes nothing in the box.
TEST_F(FontTest, ReturnInTheRealChooserKeepsTheBoxsFontAndColour)
{
    platform::QtDialogs realDialogs;
    editor::Corvane real(editor::EditorServices{realDialogs, shell, files, comments, shellFolders});
    const QFont before = real.Text2()->font();
    const QColor colour = real.Text2()->palette().color(QPalette::Text);
    bool answered = false;
    whenShown<platform::FontDialog>([&](platform::FontDialog* dialog) {
        answered = true;
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    real.Command10_Click();
    ASSERT_TRUE(answered);
    const QFont after = real.Text2()->font();
    EXPECT_EQ(QFontInfo(after).family(), QFontInfo(before).family());
    EXPECT_EQ(after.pointSizeF(), before.pointSizeF());
    EXPECT_EQ(after.bold(), before.bold());
    EXPECT_EQ(after.italic(), before.italic());
    EXPECT_EQ(after.underline(), before.underline());
    EXPECT_EQ(real.Text2()->palette().color(QPalette::Text), colour);
}

using CloseTest = EditorTest;

TEST_F(CloseTest, CloseButtonClosesTheWindow)
{
    window->show();
    ASSERT_TRUE(window->isVisible());
    window->Command7_Click();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
