// Tests of the local files service: what exists, listing, copying and renaming.
#include "platform/local_files.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

class LocalFilesTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    platform::LocalFiles files;
};

TEST_F(LocalFilesTest, ExistsMeansAFileNotAFolder)
{
    const QString file = write(QStringLiteral("a.jpg"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
    EXPECT_TRUE(files.exists(file));
    EXPECT_FALSE(files.exists(dir.filePath(QStringLiteral("folder.jpg"))));
    EXPECT_FALSE(files.exists(dir.filePath(QStringLiteral("missing.jpg"))));
    EXPECT_FALSE(files.exists(QString()));
    EXPECT_TRUE(files.isListedFile(file));
    EXPECT_FALSE(files.isListedFile(write(QStringLiteral(".hidden.jpg"), "x")));
}

TEST_F(LocalFilesTest, VisibleFileNamesSkipFoldersHiddenFilesAndFollowLinks)
{
    write(QStringLiteral("a.jpg"), "x");
    write(QStringLiteral(".b.jpg"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("c.jpg")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("a.jpg")), dir.filePath(QStringLiteral("link.jpg"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("c.jpg")), dir.filePath(QStringLiteral("dirlink.jpg"))));
    QStringList names = files.visibleFileNames(dir.path());
    names.sort();
    EXPECT_EQ(names, QStringList({"a.jpg", "link.jpg"}));
    EXPECT_TRUE(files.visibleFileNames(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST_F(LocalFilesTest, CopyReplacesTheDestinationAndNeverHarmsTheSource)
{
    const QString source = write(QStringLiteral("a.jpg"), "new contents");
    const QString target = write(QStringLiteral("b.jpg"), "old");
    EXPECT_TRUE(files.copy(source, target));
    EXPECT_EQ(read(target), "new contents");

    EXPECT_TRUE(files.copy(source, source));
    EXPECT_EQ(read(source), "new contents");
    EXPECT_TRUE(files.copy(source, dir.path() + QStringLiteral("//a.jpg"))); // same file, other spelling
    EXPECT_EQ(read(source), "new contents");

    EXPECT_FALSE(files.copy(dir.filePath(QStringLiteral("missing.jpg")), target));
    EXPECT_FALSE(files.copy(source, dir.filePath(QStringLiteral("no/such/folder/a.jpg"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary left";
}

TEST_F(LocalFilesTest, CopyKeepsTheDesktopCommentAndTheTimes)
{
    const QString source = write(QStringLiteral("a.jpg"), "photo");
    const QByteArray from = QFile::encodeName(source);
    ASSERT_EQ(::setxattr(from.constData(), "user.xdg.comment", "harbour", 7, 0), 0);
    const timespec times[2] = {{1000000000, 123456789}, {1000000001, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, from.constData(), times, 0), 0);
    const QString target = dir.filePath(QStringLiteral("copy.jpg"));
    ASSERT_TRUE(files.copy(source, target));

    char comment[16] = {};
    EXPECT_EQ(::getxattr(QFile::encodeName(target).constData(), "user.xdg.comment", comment, sizeof comment), 7);
    EXPECT_STREQ(comment, "harbour");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000001);
    EXPECT_EQ(info.st_mtim.tv_nsec, 987654321);
}

TEST_F(LocalFilesTest, RenameNeverReplacesAnExistingFile)
{
    using platform::RenameResult;
    const QString a = write(QStringLiteral("a.jpg"), "a");
    const QString b = write(QStringLiteral("b.jpg"), "b");
    EXPECT_EQ(files.rename(a, b), RenameResult::NameTaken);
    EXPECT_EQ(read(b), "b");
    EXPECT_EQ(files.rename(a, dir.filePath(QStringLiteral("c.jpg"))), RenameResult::Renamed);
    EXPECT_EQ(read(dir.filePath(QStringLiteral("c.jpg"))), "a");
}

// A name held by a link that points nowhere is taken: renaming through it would put the picture
// wherever the link points.
TEST_F(LocalFilesTest, RenameOntoADanglingLinkKeepsThePictureInItsFolder)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("landed.jpg"));
    const QString link = dir.filePath(QStringLiteral("d.jpg"));
    ASSERT_TRUE(QFile::link(target, link));
    const QString a = write(QStringLiteral("a.jpg"), "picture");

    EXPECT_EQ(files.rename(a, link), platform::RenameResult::NameTaken);
    EXPECT_EQ(read(a), "picture");
    EXPECT_FALSE(QFileInfo::exists(target)) << "nothing was created where the link points";
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
}

TEST_F(LocalFilesTest, KindAndIdentityOfWhatStandsAtAPath)
{
    using platform::FileKind;
    const QString a = write(QStringLiteral("a.jpg"), "a");
    const QString pipe = dir.filePath(QStringLiteral("p.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(files.kindOf(a), FileKind::Regular);
    EXPECT_EQ(files.kindOf(pipe), FileKind::Pipe);
    EXPECT_EQ(files.kindOf(dir.path()), FileKind::Folder);
    EXPECT_EQ(files.kindOf(QStringLiteral("/dev/null")), FileKind::Device);
    EXPECT_EQ(files.kindOf(dir.filePath(QStringLiteral("none.jpg"))), FileKind::Missing);

    const auto before = files.identityOf(a);
    ASSERT_TRUE(before);
    ASSERT_TRUE(QFile::rename(a, dir.filePath(QStringLiteral("aside.jpg"))));
    write(QStringLiteral("a.jpg"), "another");
    EXPECT_NE(files.identityOf(a), before) << "another file now stands at the path";
    EXPECT_EQ(files.identityOf(dir.filePath(QStringLiteral("aside.jpg"))), before);
    EXPECT_FALSE(files.identityOf(dir.filePath(QStringLiteral("none.jpg"))));
}

TEST(PathsTest, FolderNameBaseNameAndExtension)
{
    using namespace platform::paths;
    EXPECT_EQ(folderOf(QStringLiteral("/p/a.b.png")), QStringLiteral("/p/"));
    EXPECT_EQ(folderOf(QStringLiteral("a.png")), QString());
    EXPECT_EQ(nameOf(QStringLiteral("/p/a.b.png")), QStringLiteral("a.b.png"));
    EXPECT_EQ(nameOf(QStringLiteral("/p/")), QString());
    EXPECT_EQ(baseNameOf(QStringLiteral("/p/a.b.png")), QStringLiteral("a.b"));
    EXPECT_EQ(extensionOf(QStringLiteral("/p/a.b.png")), QStringLiteral("png"));
    EXPECT_EQ(extensionOf(QStringLiteral("/p.d/noext")), QString());
    EXPECT_EQ(baseNameOf(QStringLiteral("/p.d/noext")), QStringLiteral("noext"));
}

TEST_F(LocalFilesTest, NamesOutsideTheFileNameEncodingAreLeftOut)
{
    const QByteArray latin1Name = QFile::encodeName(dir.path()) + "/caf\xE9.jpg";
    std::FILE* raw = std::fopen(latin1Name.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    write(QStringLiteral("café.jpg"), "x"); // the same name as text: listed
    EXPECT_EQ(files.visibleFileNames(dir.path()), QStringList({QStringLiteral("café.jpg")}));
}

TEST_F(LocalFilesTest, IsFolderMeansAnExistingFolder)
{
    EXPECT_TRUE(files.isFolder(dir.path()));
    EXPECT_TRUE(files.isFolder(dir.path() + QStringLiteral("/")));
    EXPECT_FALSE(files.isFolder(write(QStringLiteral("a.jpg"), "x")));
    EXPECT_FALSE(files.isFolder(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(files.isFolder(QString())) << "an empty path is no folder, not the current one";
}

} // namespace
