// The real dialogs on the offscreen platform: each test answers the dialog from inside its own
// event loop, as a user would, and checks what it showed.
#include "platform/font_dialog.h"
#include "platform/qt_dialogs.h"
#include "support/modal_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

void typeAndConfirm(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    buttons->buttons().constFirst()->click(); // Open / Choose comes first
}

struct MessageCase {
    QString text, title;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButtons qtButtons;
    QMessageBox::StandardButton pressed;
    platform::MessageAnswer answer;
};

TEST(QtDialogsMessageBox, ShowsTextTitleIconAndButtonsAsGivenAndReturnsThePressedOne)
{
    using platform::MessageAnswer;
    using platform::MessageButtons;
    using platform::MessageIcon;
    const MessageCase cases[] = {
        {" File not found.", "Error", MessageIcon::Information, MessageButtons::Ok, QMessageBox::Information,
         QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {"Do you want to save changes before closing?", "Corvane 1.0", MessageIcon::Question,
         MessageButtons::YesNoCancel, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::No, MessageAnswer::No},
        {"Move it?", "Delete File", MessageIcon::Warning, MessageButtons::YesNo, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes},
        {"Replace it?", "File Copy", MessageIcon::Warning, MessageButtons::YesNoDefaultNo, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MessageAnswer::No},
        {"\"/x\" is not valid file name.", "Corvane", MessageIcon::None, MessageButtons::Ok, QMessageBox::NoIcon,
         QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {" Error copying the file.", "Error", MessageIcon::Error, MessageButtons::Ok, QMessageBox::Critical,
         QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {"Do you want to save changes before closing?", " Corvane 1.0", MessageIcon::Question,
         MessageButtons::YesNoCancel, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel, MessageAnswer::Cancel},
    };
    platform::QtDialogs dialogs;
    for (const MessageCase& expected : cases) {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(expected.pressed)->click();
        });
        const MessageAnswer answer = dialogs.messageBox(expected.text, expected.title, expected.icon, expected.buttons);
        EXPECT_EQ(text, expected.text);
        EXPECT_EQ(title, expected.title) << "titles keep their leading spaces";
        EXPECT_EQ(icon, expected.qtIcon) << expected.text.toStdString();
        EXPECT_EQ(buttons, expected.qtButtons) << expected.text.toStdString();
        EXPECT_EQ(answer, expected.answer) << expected.text.toStdString();
    }
}

TEST(QtDialogsMessageBox, EscapeCancelsTheCloseQuestion)
{
    platform::QtDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.messageBox("Do you want to save changes before closing?", "Corvane 1.0",
                                 platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel),
              platform::MessageAnswer::Cancel);
}

TEST(QtDialogsMessageBox, ReturnAnswersNoWhereAYesWouldLoseSomething)
{
    platform::QtDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(dialogs.messageBox("Replace it?", "File Copy", platform::MessageIcon::Warning,
                                 platform::MessageButtons::YesNoDefaultNo),
              platform::MessageAnswer::No);
}

class QtFileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile picture(folder.filePath(QStringLiteral("a.jpg")));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    }

    QTemporaryDir folder;
    platform::QtDialogs dialogs;
};

TEST_F(QtFileDialogsTest, OpenFiltersPicturesStartsInTheFolderAndTakesANameThatDoesNotExistYet)
{
    QStringList filters;
    QString start;
    QFileDialog::FileMode mode = QFileDialog::Directory;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        start = dialog->directory().absolutePath();
        mode = dialog->fileMode();
        typeAndConfirm(dialog, QStringLiteral("new.jpg"));
    });
    const QString chosen =
        dialogs.openFile(folder.path() + QStringLiteral("/"), QStringLiteral("Picture Files"),
                         QStringLiteral("*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.gif;*.bmp;*.tif;*.tiff;"));
    EXPECT_EQ(filters, QStringList({"Picture Files (*.jpg *.jpeg *.jpe *.jfif *.png *.gif *.bmp *.tif *.tiff)"}));
    EXPECT_EQ(start, folder.path());
    EXPECT_EQ(mode, QFileDialog::AnyFile);
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("new.jpg")));
}

TEST_F(QtFileDialogsTest, OpenCancelledGivesNothing)
{
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_TRUE(dialogs.openFile(folder.path(), QStringLiteral("Picture Files"), QStringLiteral("*.jpg")).isEmpty());
}

TEST_F(QtFileDialogsTest, FolderChooserListsAndTakesFoldersOnly)
{
    QString title;
    QStringList listed;
    bool stayedOpenForAFile = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(folder.path());
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) > 0; }, 5000));
        for (int row = 0; row < model->rowCount(root); ++row)
            listed.append(model->index(row, 0, root).data().toString());
        typeAndConfirm(dialog, QStringLiteral("a.jpg"));
        stayedOpenForAFile = dialog->isVisible();
        typeAndConfirm(dialog, QStringLiteral("sub"));
    });
    const QString chosen = dialogs.browseForFolder(QStringLiteral("Make a copy of the file."), folder.path());
    EXPECT_EQ(title, QStringLiteral("Make a copy of the file."));
    EXPECT_EQ(listed, QStringList({"sub"}));
    EXPECT_TRUE(stayedOpenForAFile) << "a file is no destination folder";
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("sub")));
}

// Our own chooser, with Qt's font panel inside it rather than the desktop's dialog beside it.
TEST(QtDialogsFontChooser, CancelGivesNothingAndOkGivesTheChosenFontAndColour)
{
    platform::QtDialogs dialogs;
    whenShown<platform::FontDialog>([](platform::FontDialog* dialog) { dialog->reject(); });
    const platform::FontChoice start{QFont(QStringLiteral("Sans Serif"), 10), Qt::black};
    EXPECT_FALSE(dialogs.chooseFont(start).has_value());

    QFontDialog::FontDialogOptions options;
    bool panelIsAWindow = true;
    whenShown<platform::FontDialog>([&](platform::FontDialog* dialog) {
        auto* panel = dialog->findChild<QFontDialog*>();
        ASSERT_NE(panel, nullptr);
        options = panel->options();
        panelIsAWindow = panel->isWindow();
        QFont font = panel->currentFont();
        font.setPointSize(17);
        font.setUnderline(true);
        panel->setCurrentFont(font);
        auto* colors = dialog->findChild<QComboBox*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentIndex(colors->findText(QStringLiteral("Navy")));
        dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)
            ->button(QDialogButtonBox::Ok)
            ->click();
    });
    const std::optional<platform::FontChoice> choice = dialogs.chooseFont(start);
    EXPECT_TRUE(options.testFlag(QFontDialog::DontUseNativeDialog));
    EXPECT_FALSE(panelIsAWindow);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->font.pointSize(), 17);
    EXPECT_TRUE(choice->font.underline());
    EXPECT_EQ(choice->color, QColor::fromRgb(0x000080));
}

// The chooser opens on the font it is given, and the keyboard answers it wherever the focus is.
TEST(QtDialogsFontChooser, OpensOnTheStartingFontAndReturnWithoutChangesGivesItBack)
{
    platform::QtDialogs dialogs;
    QFont start(QStringLiteral("Sans Serif"));
    start.setPointSizeF(7.5);
    const QColor themeText(0xDA, 0xDA, 0xDA);

    QString shownFamily;
    bool shownBold = true, shownItalic = true;
    whenShown<platform::FontDialog>([&](platform::FontDialog* dialog) {
        const QFont shown = dialog->findChild<QFontDialog*>()->currentFont();
        shownFamily = QFontInfo(shown).family();
        shownBold = shown.bold();
        shownItalic = shown.italic();
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<platform::FontChoice> kept = dialogs.chooseFont({start, themeText});
    EXPECT_EQ(shownFamily, QFontInfo(start).family());
    EXPECT_FALSE(shownBold);
    EXPECT_FALSE(shownItalic);
    ASSERT_TRUE(kept.has_value()) << "Return presses OK";
    EXPECT_EQ(kept->font, start);
    EXPECT_EQ(kept->color, themeText) << "a colour outside the list is kept too";

    bool escapeClosed = false;
    whenShown<platform::FontDialog>([&](platform::FontDialog* dialog) {
        auto* families = dialog->findChild<QFontDialog*>()->findChild<QListView*>();
        ASSERT_NE(families, nullptr);
        families->setFocus();
        QTest::keyClick(families, Qt::Key_Escape);
        escapeClosed = !dialog->isVisible();
        if (!escapeClosed)
            dialog->reject();
    });
    EXPECT_FALSE(dialogs.chooseFont({start, Qt::black}).has_value());
    EXPECT_TRUE(escapeClosed) << "Escape closes the whole dialog, not only its font panel";

    whenShown<platform::FontDialog>([](platform::FontDialog* dialog) {
        auto* families = dialog->findChild<QFontDialog*>()->findChild<QListView*>();
        ASSERT_NE(families, nullptr);
        families->setFocus();
        QTest::keyClick(families, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    EXPECT_TRUE(dialogs.chooseFont({start, Qt::black}).has_value()) << "Return in the family list presses OK";
}

} // namespace
