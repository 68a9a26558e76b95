// Sidecars going with their camera RAW file through Rename, Copy and Delete.
#include "cvbutton/widget_host.h"
#include "dialogs/name_box.h"
#include "dialogs/rename_dialog.h"
#include "editor_fixture.h"

namespace {

// A camera RAW file with the sidecar named after its whole name and the one its caption is kept in.
class SidecarsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("target")));
        raw = writeFile(QStringLiteral("IMG_1.NEF"), "raw bytes");
        writeFile(QStringLiteral("IMG_1.NEF.xmp"), "edit history");
        writeFile(QStringLiteral("IMG_1.xmp"), "caption");
        comments.sidecars.insert(raw, dir() + QStringLiteral("IMG_1.xmp"));
        open(raw);
        dialogs.messages.clear();
    }

    QByteArray contents(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList names(const QString& folderPath) const { return QDir(folderPath).entryList(QDir::Files, QDir::Name); }
    void renameTo(const QString& name)
    {
        window->Command9_Click();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<dialogs::RenameDialog*>(widget); dialog && dialog->isVisible()) {
                dialog->Text2()->setText(name);
                QTest::keyClick(dialog->cvButton2(), Qt::Key_Space);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString raw;
};

TEST_F(SidecarsTest, SidecarsAreRenamedWithTheirPictureOrTheRenameIsRefused)
{
    writeFile(QStringLiteral("IMG_8.xmp"), "another picture's caption");
    renameTo(QStringLiteral("IMG_8"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("\"IMG_8.xmp\"")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(contents(dir() + QStringLiteral("IMG_8.xmp")), "another picture's caption");
    EXPECT_TRUE(QFile::exists(raw)) << "a sidecar that cannot follow keeps the picture where it is";

    dialogs.messages.clear();
    renameTo(QStringLiteral("IMG_9"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(names(folder.path()), QStringList({"IMG_8.xmp", "IMG_9.NEF", "IMG_9.NEF.xmp", "IMG_9.xmp"}));
    EXPECT_EQ(contents(dir() + QStringLiteral("IMG_9.xmp")), "caption");
    EXPECT_EQ(contents(dir() + QStringLiteral("IMG_9.NEF.xmp")), "edit history");
}

TEST_F(SidecarsTest, ACopyTakesTheSidecarsAlongWithoutReplacingAnotherPicturesOne)
{
    const QString target = dir() + QStringLiteral("target/");
    writeFile(QStringLiteral("target/IMG_1.xmp"), "the JPEG's own sidecar there");
    dialogs.folderToChoose = dir() + QStringLiteral("target");
    window->Command4_Click();
    EXPECT_EQ(names(target), QStringList({"IMG_1.NEF", "IMG_1.NEF.xmp", "IMG_1.xmp"}));
    EXPECT_EQ(contents(target + QStringLiteral("IMG_1.NEF.xmp")), "edit history");
    EXPECT_EQ(contents(target + QStringLiteral("IMG_1.xmp")), "the JPEG's own sidecar there");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" Finished copying the file."));
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("not its sidecar IMG_1.xmp")))
        << dialogs.messages[1].text.toStdString();
}

TEST_F(SidecarsTest, DeletingThePictureTakesItsSidecarsToTheTrashOnlyOnAYes)
{
    shell.confirmDelete = false;
    window->Command8_Click();
    EXPECT_EQ(names(folder.path()), QStringList({"IMG_1.NEF", "IMG_1.NEF.xmp", "IMG_1.xmp"}));

    shell.confirmDelete = true;
    window->Command8_Click();
    EXPECT_TRUE(names(folder.path()).isEmpty());
    EXPECT_EQ(names(shell.trashFolder), QStringList({"IMG_1.NEF", "IMG_1.NEF.xmp", "IMG_1.xmp"}));
    EXPECT_EQ(shell.trashRequests.size(), 2) << "one question, for the picture";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SidecarsTest, ASaveSaysWhichSidecarItWentIntoAndWhenASidecarWasLeftBehind)
{
    window->Text2()->setPlainText(QStringLiteral("Harbour at dawn"));
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" Comments saved in IMG_1.xmp."));

    comments.writeStatus = platform::CommentLibrary::kSidecarLeftBehind;
    window->Text2()->setPlainText(QStringLiteral("Harbour at dusk"));
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("sidecar beside it could not be updated")))
        << dialogs.messages[1].text.toStdString();
    EXPECT_EQ(dialogs.messages[1].icon, platform::MessageIcon::Warning);
}

} // namespace
