// The window over the real comment library and real pictures.
#include "editor_fixture.h"

#include "platform/loaded_comment_library.h"

#include <QProcess>
#include <sys/xattr.h>

namespace {

// The window over the real libcorvane from the build folder and a real JPEG.
class RealLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library.isLoaded()) << "libcorvane.so not found in " CORVANE_BIN_DIR;
        shell.picturesFolder = dir.path();
        path = dir.filePath(QStringLiteral("photo.jpg"));
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(path, "jpg"));
        window =
            std::make_unique<editor::Corvane>(editor::EditorServices{dialogs, shell, files, library, shellFolders});
    }

    void openAndSave(const QString& text)
    {
        dialogs.fileToOpen = path;
        window->Command1_Click();
        window->Text2()->setPlainText(text);
        window->Command5_Click();
    }

    QString reopened()
    {
        window->Command2_Click(); // the folder's only picture, read again from the file
        return window->Text2()->toPlainText();
    }

    QTemporaryDir dir;
    platform::LoadedCommentLibrary library{QStringLiteral(CORVANE_BIN_DIR)};
    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    platform::LocalFiles files;
    fakes::FakeShellNamespace shellFolders;
    std::unique_ptr<editor::Corvane> window;
    QString path;
};

TEST_F(RealLibraryTest, CommentWithLineBreaksAndOtherScriptsComesBackAsTyped)
{
    const QString text = QStringLiteral("Erste Zeile – Ærø\nzweite: 夏の海 🌊");
    openAndSave(text);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" Comments saved."));
    EXPECT_EQ(reopened(), text);
    EXPECT_FALSE(QImage(path).isNull()) << "the picture must stay loadable";
}

// Each save puts a new file in the old one's place; the next save must know it as the same picture.
TEST_F(RealLibraryTest, SavingAgainAfterASaveAsksNothing)
{
    openAndSave(QStringLiteral("first"));
    window->Text2()->setPlainText(QStringLiteral("second"));
    window->Command5_Click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral(" Comments saved."));
    EXPECT_EQ(reopened(), QStringLiteral("second"));
}

// The camera's own file is never written: the comment goes into the sidecar the message names.
TEST_F(RealLibraryTest, ARawFilesCommentGoesIntoItsSidecarAndTheRawKeepsEveryByte)
{
    const QString sample = QStringLiteral(CORVANE_SOURCE_DIR "/tests/data/commentlib/raw/Nikon.nef");
    ASSERT_TRUE(QFile::remove(path)); // the folder's only picture is the RAW
    path = dir.filePath(QStringLiteral("DSC_0001.NEF"));
    ASSERT_TRUE(QFile::copy(sample, path));
    const auto contents = [](const QString& file) {
        QFile opened(file);
        return opened.open(QIODevice::ReadOnly) ? opened.readAll() : QByteArray();
    };
    const QByteArray raw = contents(path);
    openAndSave(QStringLiteral("Heron, first light"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral(" Comments saved in DSC_0001.NEF.xmp."));
    EXPECT_EQ(contents(path), raw);
    EXPECT_TRUE(contents(path + QStringLiteral(".xmp")).contains("Heron, first light"));
    EXPECT_EQ(reopened(), QStringLiteral("Heron, first light"));
}

TEST_F(RealLibraryTest, LongestTypedCommentReadsBackWhole)
{
    const QString text = QString(editor::CommentBox::kMaxLength, QChar(0x20AC)); // 60000 bytes of UTF-8
    openAndSave(text);
    EXPECT_EQ(reopened(), text);
}

TEST_F(RealLibraryTest, SavingKeepsTheDesktopCommentAttribute)
{
    const QByteArray name = QFile::encodeName(path);
    const QByteArray desktopComment = "kept by the file manager";
    if (::setxattr(name.constData(), "user.xdg.comment", desktopComment.constData(), desktopComment.size(), 0) != 0)
        GTEST_SKIP() << "this file system keeps no user attributes";
    openAndSave(QStringLiteral("photo comment"));
    char value[64] = {};
    const ssize_t size = ::getxattr(name.constData(), "user.xdg.comment", value, sizeof value);
    ASSERT_GT(size, 0);
    EXPECT_EQ(QByteArray(value, static_cast<qsizetype>(size)), desktopComment);
}

TEST_F(RealLibraryTest, FileTheLibraryCannotWriteIsReportedNotClaimedSaved)
{
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\xFF\xD8\xFF\xE0 this is no longer a JPEG");
    damaged.close();
    openAndSave(QStringLiteral("cannot land"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_TRUE(window->session().SavedComment().isEmpty());
}

TEST(MissingLibraryTest, ReportsNotLoadedAndSaysSo)
{
    platform::LoadedCommentLibrary missing(QStringLiteral("/nonexistent/folder"),
                                           QStringLiteral("libcorvane-none.so.1"));
    EXPECT_FALSE(missing.isLoaded());
    char* path = nullptr;
    EXPECT_EQ(missing.eraser(&path), platform::CommentLibrary::kNotLoaded);
    EXPECT_TRUE(missing.describe(platform::CommentLibrary::kNotLoaded).contains(QStringLiteral("libcorvane")));
}

} // namespace

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One write through the library ends the file exactly as the former erase-then-write did, also on
// a file that already holds a comment.
TEST_F(RealLibraryTest, SavingWritesOnceAndEndsTheFileAsEraseThenWrite)
{
    openAndSave(QStringLiteral("first comment"));
    const QString reference = dir.filePath(QStringLiteral("reference.jpg"));
    ASSERT_TRUE(QFile::copy(path, reference));
    QByteArray referencePath = QFile::encodeName(reference);
    QByteArray text = "second, longer comment";
    char* pathPointer = referencePath.data();
    ASSERT_EQ(library.eraser(&pathPointer), 0);
    char* textPointer = text.data();
    ASSERT_EQ(library.DisplayStringByRef(&textPointer, static_cast<int32_t>(text.size()), &pathPointer), 0);

    window->Text2()->setPlainText(QString::fromUtf8(text));
    window->Command5_Click();
    EXPECT_EQ(bytesOf(path), bytesOf(reference));
    EXPECT_EQ(reopened(), QString::fromUtf8(text));
}

} // namespace
