// The Rename dialog over real files: names, refusals, keys, layout and buttons.
#include "dialogs/rename_dialog.h"

#include "cvbutton/widget_host.h"
#include "dialogs/name_box.h"
#include "form_fixture.h"
#include "platform/system_colors.h"
#include "support/fake_dialogs.h"
#include "support/faulty_files.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>

using namespace form_testing;

namespace {

// A rename dialog over real files in a temporary folder, with every rename it reports kept.
class RenameDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void TearDown() override { delete dialog.data(); }

    QString file(const QString& name, const QByteArray& bytes = "picture bytes")
    {
        QFile out(dir() + name);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }

    void open(const QString& path)
    {
        dialog = new dialogs::RenameDialog(dialogs, files, path);
        QObject::connect(dialog, &dialogs::RenameDialog::renamed, [this](const QString& from, const QString& to) {
            reported.append({from, to});
        });
    }

    void typeAndConfirm(const QString& name)
    {
        dialog->Text2()->setText(name);
        pressWithSpace(dialog->cvButton2());
        unloadClosedForms();
    }

    QString dir() const { return folder.path() + QStringLiteral("/"); }
    QStringList filesOnDisk() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QByteArray contents(const QString& name) const
    {
        QFile in(dir() + name);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // The rename failed the way it must: a message, the dialog open with the typed name, and no
    // rename reported.
    void expectRefused(const QString& typed)
    {
        ASSERT_FALSE(dialog.isNull()) << "the dialog stays open";
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
        EXPECT_EQ(dialog->Text2()->text(), typed);
        EXPECT_TRUE(reported.isEmpty());
    }

    QTemporaryDir folder;
    fakes::FakeDialogs dialogs;
    fakes::FaultyFiles files;
    QList<std::pair<QString, QString>> reported;
    QPointer<dialogs::RenameDialog> dialog;
};

TEST_F(RenameDialogTest, LoadShowsBaseNameAndTableExtension)
{
    open(file(QStringLiteral("a.b.png")));
    EXPECT_EQ(dialog->Text2()->text(), QStringLiteral("a.b"));
    EXPECT_EQ(dialog->Text1()->text(), QStringLiteral("PNG"));
    EXPECT_TRUE(dialog->Text1()->isReadOnly());
    EXPECT_EQ(dialog->FileFolder(), dir());
}

TEST_F(RenameDialogTest, OkRenamesInPlaceUpperCasingALowerCaseExtension)
{
    const QString original = file(QStringLiteral("a.jpg"), "jpeg data");
    open(original);
    typeAndConfirm(QStringLiteral("b"));
    EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("b.JPG")});
    EXPECT_EQ(contents(QStringLiteral("b.JPG")), QByteArray("jpeg data"));
    EXPECT_EQ(reported, (QList<std::pair<QString, QString>>{{original, dir() + QStringLiteral("b.JPG")}}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialog.isNull()) << "OK unloads the dialog";
}

TEST_F(RenameDialogTest, OtherExtensionSpellingsAndMissingExtensionsStayAsFound)
{
    open(file(QStringLiteral("a.jpeg")));
    typeAndConfirm(QStringLiteral("b"));
    open(file(QStringLiteral("c")));
    EXPECT_EQ(dialog->Text1()->text(), QString());
    typeAndConfirm(QStringLiteral("d"));
    EXPECT_EQ(filesOnDisk(), (QStringList{QStringLiteral("b.jpeg"), QStringLiteral("d")}));
    EXPECT_EQ(reported.last().second, dir() + QStringLiteral("d")) << "no trailing dot";
}

TEST_F(RenameDialogTest, OntoAnExistingNameFailsAndKeepsBothFiles)
{
    const QString original = file(QStringLiteral("a.jpg"), "first");
    file(QStringLiteral("b.JPG"), "second");
    open(original);
    typeAndConfirm(QStringLiteral("b"));
    expectRefused(QStringLiteral("b"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("b.JPG")));
    EXPECT_EQ(contents(QStringLiteral("a.jpg")), QByteArray("first"));
    EXPECT_EQ(contents(QStringLiteral("b.JPG")), QByteArray("second"));
}

TEST_F(RenameDialogTest, RefusedNamesLeaveTheFileWhereAndAsItWas)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString original = file(QStringLiteral("a.png"), "png");
    for (const char* typed : {"sub/b", "../b", "", ".b", ".."}) {
        SCOPED_TRACE(typed);
        open(original);
        dialogs.messages.clear();
        typeAndConfirm(QString::fromLatin1(typed));
        expectRefused(QString::fromLatin1(typed));
        EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("a.png")});
        EXPECT_TRUE(QDir(dir() + QStringLiteral("sub")).isEmpty());
        EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral("/../b.PNG")));
        delete dialog.data();
    }
}

TEST_F(RenameDialogTest, AFileGoneSinceLoadIsReportedAndNothingChanges)
{
    const QString original = file(QStringLiteral("a.gif"));
    open(original);
    ASSERT_TRUE(QFile::remove(original));
    typeAndConfirm(QStringLiteral("b"));
    expectRefused(QStringLiteral("b"));
    EXPECT_TRUE(filesOnDisk().isEmpty());
}

TEST_F(RenameDialogTest, AFailingRenameSaysSoAndATypedNameCanBeRetried)
{
    const QString original = file(QStringLiteral("a.bmp"));
    file(QStringLiteral("b.BMP"));
    open(original);
    typeAndConfirm(QStringLiteral("b"));
    expectRefused(QStringLiteral("b"));
    typeAndConfirm(QStringLiteral("c"));
    EXPECT_EQ(filesOnDisk(), (QStringList{QStringLiteral("b.BMP"), QStringLiteral("c.BMP")}));
    EXPECT_EQ(reported.size(), 1);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(RenameDialogTest, NameHeldByADanglingLinkOrOnAnotherFileSystemKeepsTheFile)
{
    QTemporaryDir shared;
    const QString original = file(QStringLiteral("a.jpg"), "picture");
    ASSERT_TRUE(QFile::link(shared.filePath(QStringLiteral("taken.JPG")), dir() + QStringLiteral("b.JPG")));
    open(original);
    typeAndConfirm(QStringLiteral("b"));
    expectRefused(QStringLiteral("b"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("already in this folder")));
    EXPECT_EQ(contents(QStringLiteral("a.jpg")), QByteArray("picture"));
    EXPECT_TRUE(QDir(shared.path()).isEmpty()) << "nothing lands where the link points";

    dialogs.messages.clear();
    files.failRename = platform::RenameResult::OtherFileSystem;
    typeAndConfirm(QStringLiteral("c"));
    expectRefused(QStringLiteral("c"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("another file system")));
    EXPECT_EQ(contents(QStringLiteral("a.jpg")), QByteArray("picture"));
}

TEST_F(RenameDialogTest, KeepingTheNameItHasChangesNothingOnDisk)
{
    const QString original = file(QStringLiteral("a.JPG"), "same");
    open(original);
    typeAndConfirm(QStringLiteral("a"));
    EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("a.JPG")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(RenameDialogTest, CancelAndEscapeLeaveFileWindowAndFlagUntouched)
{
    const QString original = file(QStringLiteral("a.jpg"));
    for (const bool escape : {false, true}) {
        open(original);
        dialog->Text2()->setText(QStringLiteral("b"));
        if (escape) {
            showActive(*dialog);
            QTest::keyClick(dialog->Text2(), Qt::Key_Escape);
        } else {
            pressWithSpace(dialog->cvButton1());
        }
        unloadClosedForms();
        EXPECT_TRUE(dialog.isNull()) << escape;
        EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("a.jpg")});
        EXPECT_TRUE(reported.isEmpty());
    }
}

TEST_F(RenameDialogTest, EnterInTheNameBoxOrOnAButtonActsAsOk)
{
    open(file(QStringLiteral("a.png")));
    showActive(*dialog);
    QTest::keyClicks(dialog->Text2(), QStringLiteral("b"));
    QTest::keyClick(dialog->Text2(), Qt::Key_Return);
    unloadClosedForms();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("b.PNG")});

    open(dir() + QStringLiteral("b.PNG"));
    showActive(*dialog);
    dialog->Text2()->setText(QStringLiteral("c"));
    dialog->cvButton2()->setFocus();
    QTest::keyClick(dialog->cvButton2(), Qt::Key_Enter, Qt::KeypadModifier);
    unloadClosedForms();
    EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("c.PNG")});
}

TEST_F(RenameDialogTest, ReturnPressesTheFocusedButtonSoOnCancelItCancels)
{
    open(file(QStringLiteral("a.png")));
    showActive(*dialog);
    dialog->Text2()->setText(QStringLiteral("b"));
    dialog->cvButton1()->setFocus();
    QTest::keyClick(dialog->cvButton1(), Qt::Key_Return);
    unloadClosedForms();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(filesOnDisk(), QStringList{QStringLiteral("a.png")});
    EXPECT_TRUE(reported.isEmpty());
}

// The default button's bands show where Return goes: Tab to Cancel takes them from OK.
TEST_F(RenameDialogTest, TabToCancelMovesTheDefaultBandsThatShowWhereReturnGoes)
{
    open(file(QStringLiteral("a.png")));
    showActive(*dialog);
    cvbutton::WidgetHost* cancel = dialog->cvButton1();
    cvbutton::WidgetHost* ok = dialog->cvButton2();
    const QImage cancelPlain = cancel->grab().toImage();
    const QImage okDefault = ok->grab().toImage();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), cancel);
    EXPECT_NE(cancel->grab().toImage(), cancelPlain) << "Cancel shows it takes Return";
    EXPECT_NE(ok->grab().toImage(), okDefault) << "OK no longer looks like the default";

    QTest::keyClick(cancel, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ok);
    EXPECT_EQ(cancel->grab().toImage(), cancelPlain) << "Cancel gave the bands back";
    EXPECT_EQ(ok->grab().toImage(), okDefault);
}

TEST_F(RenameDialogTest, NameBoxOpensFocusedWithAllSelectedAndSelectsAllWhenTabbedBackInto)
{
    open(file(QStringLiteral("holiday.jpg")));
    showActive(*dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Text2());
    EXPECT_EQ(dialog->Text2()->selectedText(), QStringLiteral("holiday"));

    dialog->Text2()->setCursorPosition(2); // a click into the text drops the selection
    EXPECT_TRUE(dialog->Text2()->selectedText().isEmpty());
    const QList<QWidget*> chain = {dialog->cvButton1(), dialog->cvButton2(), dialog->Text1(), dialog->Text2()};
    for (QWidget* expected : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    EXPECT_EQ(dialog->Text2()->selectedText(), QStringLiteral("holiday"));

    QTest::keyClick(dialog->Text2(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Text1());
    dialog->Text2()->setCursorPosition(0);
    dialog->Text2()->setFocus(Qt::OtherFocusReason); // focus given by the program, not by Tab
    EXPECT_EQ(dialog->Text2()->selectedText(), QStringLiteral("holiday"));
}

TEST_F(RenameDialogTest, LayoutFollowsTheFormInPixelsOfFifteenTwips)
{
    open(file(QStringLiteral("a.jpg")));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rename File"));
    EXPECT_EQ(dialog->size(), QSize(312, 158));
    EXPECT_EQ(dialog->Text2()->geometry(), QRect(112, 24, 185, 33));
    EXPECT_EQ(dialog->Text1()->geometry(), QRect(112, 72, 49, 33));
    EXPECT_EQ(dialog->cvButton1()->geometry(), QRect(144, 120, 73, 25));
    EXPECT_EQ(dialog->cvButton2()->geometry(), QRect(232, 120, 73, 25));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
}

TEST_F(RenameDialogTest, ButtonsAreReadFromTheFormsStoredSet)
{
    open(file(QStringLiteral("a.jpg")));
    for (auto [host, caption] : {std::pair{dialog->cvButton1(), "Cancel"}, std::pair{dialog->cvButton2(), "OK"}}) {
        cvbutton::cvButton& button = host->button();
        EXPECT_EQ(button.Caption(), QString::fromLatin1(caption));
        EXPECT_EQ(button.Style(), 5);
        EXPECT_EQ(button.Font().family(), QStringLiteral("Verdana"));
        EXPECT_DOUBLE_EQ(button.Font().pointSizeF(), 8.25);
    }
    EXPECT_TRUE(dialog->cvButton2()->DisplayAsDefault());
    EXPECT_FALSE(dialog->cvButton1()->DisplayAsDefault());
}

TEST_F(RenameDialogTest, FrameIsDrawnInTheInactiveCaptionColour)
{
    open(file(QStringLiteral("a.jpg")));
    const QImage shot = dialog->grab().toImage();
    const QRgb frame = platform::toQRgb(platform::SystemColors::current().color(platform::COLOR_INACTIVECAPTION));
    for (const QPoint corner : {QPoint(8, 8), QPoint(304, 8), QPoint(304, 112), QPoint(8, 112), QPoint(150, 112)})
        EXPECT_EQ(shot.pixel(corner) & 0xFFFFFF, frame & 0xFFFFFF) << corner.x() << "," << corner.y();
}

} // namespace
