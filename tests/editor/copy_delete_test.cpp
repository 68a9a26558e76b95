// Copy File and Delete File: the copy, its questions and messages, and the trash.
#include "editor_fixture.h"

#include "platform/desktop_shell.h"

#include <QUrl>

namespace {

class CopyTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("target")));
        source = picture(QStringLiteral("a.png"));
        open(source);
        original = contents(source);
    }
    QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const auto& message : dialogs.messages)
            texts.append(message.text);
        return texts;
    }
    QString target() const { return dir() + QStringLiteral("target"); }

    QString source;
    QByteArray original;
};

TEST_F(CopyTest, ChosenFolderGetsTheCopy)
{
    dialogs.folderToChoose = target();
    window->Command4_Click();
    ASSERT_EQ(dialogs.browseRequests.size(), 1);
    EXPECT_EQ(dialogs.browseRequests[0].instruction, QStringLiteral("Make a copy of the file."));
    EXPECT_EQ(dialogs.browseRequests[0].root, QStringLiteral("/"));
    EXPECT_EQ(contents(target() + QStringLiteral("/a.png")), original);
    EXPECT_EQ(shownTexts(), QStringList({" Finished copying the file."}));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("File Copy"));
}

TEST_F(CopyTest, CancelledBrowseCopiesNothingAndShowsNothing)
{
    dialogs.folderToChoose.clear();
    window->Command4_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(QDir(target()).isEmpty());
}

TEST_F(CopyTest, IntoItsOwnFolderKeepsTheFileWhole)
{
    dialogs.folderToChoose = folder.path();
    window->Command4_Click();
    EXPECT_EQ(contents(source), original);
    EXPECT_EQ(shownTexts(), QStringList({" Finished copying the file."}));
}

TEST_F(CopyTest, SameNamedOtherFileIsReplacedOnlyOnAYes)
{
    QFile old(target() + QStringLiteral("/a.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("another camera's photo");
    old.close();
    dialogs.folderToChoose = target();
    dialogs.answers = {platform::MessageAnswer::No};
    window->Command4_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              target() + QStringLiteral(" already holds a file named a.png.\nReplace it with the copy of ") + source +
                  QStringLiteral("? The file there now will be lost."));
    EXPECT_EQ(contents(old.fileName()), "another camera's photo") << "No keeps it byte for byte";

    dialogs.messages.clear();
    dialogs.folderToChoose = target();
    dialogs.answers = {platform::MessageAnswer::Yes};
    window->Command4_Click();
    EXPECT_EQ(contents(old.fileName()), original);
    EXPECT_EQ(shownTexts().last(), QStringLiteral(" Finished copying the file."));
}

TEST_F(CopyTest, FailedCopyOntoAnOldFileIsNotReportedAsSuccess)
{
    QFile old(target() + QStringLiteral("/a.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    files.failCopy = true;
    dialogs.folderToChoose = target();
    dialogs.answers = {platform::MessageAnswer::Yes}; // replace it
    window->Command4_Click();
    ASSERT_EQ(shownTexts().size(), 2);
    EXPECT_EQ(shownTexts().last(), QStringLiteral(" Error copying the file."));
    EXPECT_EQ(dialogs.messages.last().icon, platform::MessageIcon::Error);
}

TEST_F(CopyTest, MissingSourceOrAFolderIsReported)
{
    ASSERT_TRUE(QFile::remove(source));
    dialogs.folderToChoose = target();
    window->Command4_Click();
    EXPECT_EQ(shownTexts(), QStringList({" File not found."}));
    EXPECT_TRUE(dialogs.browseRequests.isEmpty());

    dialogs.messages.clear();
    window->Text1()->setText(target()); // a folder is not a file
    window->Command4_Click();
    EXPECT_EQ(shownTexts(), QStringList({" File not found."}));
}

TEST_F(CopyTest, HiddenSourceGetsTheNotValidFileNameMessage)
{
    const QString hidden = picture(QStringLiteral(".secret.png"));
    window->Text1()->setText(hidden);
    dialogs.folderToChoose = target();
    window->Command4_Click();
    ASSERT_GE(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QLatin1Char('"') + hidden + QStringLiteral("\" is not valid file name."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Corvane"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_FALSE(QFile::exists(target() + QStringLiteral("/.secret.png")));
}

class DeleteTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        for (const char* name : {"a.jpg", "b.png", "c.gif", "d.bmp"})
            picture(QString::fromLatin1(name));
        open(dir() + QStringLiteral("c.gif"));
    }
};

TEST_F(DeleteTest, MovesTheFileToTheTrashAndRestartsTheList)
{
    window->Command8_Click();
    EXPECT_FALSE(QFile::exists(dir() + QStringLiteral("c.gif")));
    EXPECT_TRUE(QFile::exists(shell.trashFolder + QStringLiteral("/c.gif")));
    EXPECT_FALSE(window->session().File1().names().contains(QStringLiteral("c.gif"))) << "the list lets it go at once";
    EXPECT_EQ(shownName(), QStringLiteral("c.gif")) << "the window keeps its picture until the next step";

    window->Command2_Click();
    EXPECT_EQ(shownName(), QStringLiteral("b.png"));
}

TEST_F(DeleteTest, AnsweringNoKeepsTheFileYetTheListRestarts)
{
    shell.confirmDelete = false;
    window->Command8_Click();
    EXPECT_TRUE(QFile::exists(dir() + QStringLiteral("c.gif")));
    window->Command3_Click();
    EXPECT_EQ(shownName(), QStringLiteral("d.bmp")); // the last entry, counted from the first
}

TEST_F(DeleteTest, NoTrashKeepsTheFileAndSaysSo)
{
    shell.trashFolder = dir() + QStringLiteral("no-such-trash");
    window->Command8_Click();
    EXPECT_TRUE(QFile::exists(dir() + QStringLiteral("c.gif")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(dir() + QStringLiteral("c.gif")));
}

TEST_F(DeleteTest, MissingFileIsReported)
{
    ASSERT_TRUE(QFile::remove(dir() + QStringLiteral("c.gif")));
    window->Command8_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" File not found."));
    EXPECT_EQ(window->session().File1().ListCount(), 4) << "the list stays as it was";
    EXPECT_TRUE(shell.trashRequests.isEmpty());
}

// The desktop shell's real trash: the file lands in the freedesktop trash with its restore record.
TEST(DesktopTrashTest, FileGoesToTheTrashWithItsRestoreInformation)
{
    QTemporaryDir home;
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    const QString path = home.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("picture bytes");
    file.close();

    fakes::FakeDialogs dialogs;
    dialogs.answers = {platform::MessageAnswer::Yes};
    platform::DesktopShell shell(dialogs);
    const platform::TrashResult result = shell.moveToRecycleBin(path);
    qputenv("XDG_DATA_HOME", savedDataHome);

    ASSERT_EQ(result, platform::TrashResult::Moved);
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNo);
    QFile info(home.filePath(QStringLiteral("data/Trash/info/photo.jpg.trashinfo")));
    ASSERT_TRUE(info.open(QIODevice::ReadOnly)) << "no restore record";
    const QByteArray record = info.readAll();
    EXPECT_TRUE(record.contains("[Trash Info]"));
    EXPECT_TRUE(record.contains("Path=" + QUrl::toPercentEncoding(path, "/"))) << record.toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("data/Trash/files/photo.jpg"))));
}

TEST(DesktopTrashTest, AnsweringNoLeavesTheFile)
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    fakes::FakeDialogs dialogs;
    dialogs.answers = {platform::MessageAnswer::No};
    platform::DesktopShell shell(dialogs);
    EXPECT_EQ(shell.moveToRecycleBin(path), platform::TrashResult::Declined);
    EXPECT_TRUE(QFile::exists(path));
}

} // namespace
