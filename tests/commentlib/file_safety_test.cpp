// Writing replaces the file safely: its permissions, owner, extended attributes and symbolic links survive,
// and no temporary file is left beside it.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.filePath("picture.jpg");
        writeFile(path, fixture(Format::Jpeg));
    }

    bool runningAsRoot() const { return QFileInfo(folder.path()).ownerId() == 0; }

    QTemporaryDir folder;
    QString path;
};

TEST_F(FileSafety, PermissionsAreKept)
{
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    ASSERT_EQ(setComment(path, "permissions"), CORVANE_OK);
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), permissions);
}

TEST_F(FileSafety, OwnerIsKeptWhereAllowed)
{
    const QString chown = findProgram("chown");
    if (!runningAsRoot() || chown.isEmpty())
        GTEST_SKIP() << "only a privileged writer can keep another user's ownership";
    ASSERT_EQ(run(chown, {"1:2", path}).exitCode, 0);
    ASSERT_EQ(setComment(path, "owner"), CORVANE_OK);
    EXPECT_EQ(QFileInfo(path).ownerId(), 1u);
    EXPECT_EQ(QFileInfo(path).groupId(), 2u);
}

TEST_F(FileSafety, ExtendedAttributesAreKept)
{
    const QString setfattr = findProgram("setfattr"), getfattr = findProgram("getfattr");
    if (setfattr.isEmpty() || getfattr.isEmpty())
        GTEST_SKIP() << "attr tools not installed";
    const ProcessResult set = run(setfattr, {"-n", "user.xdg.comment", "-v", "the system comment", path});
    if (set.exitCode != 0)
        GTEST_SKIP() << "this file system keeps no user attributes: " << set.err.toStdString();
    ASSERT_EQ(run(setfattr, {"-n", "user.other", "-v", "0x00ff10", path}).exitCode, 0);

    ASSERT_EQ(setComment(path, "photo comment"), CORVANE_OK);
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    ASSERT_EQ(setComment(path, "photo comment again"), CORVANE_OK);

    const ProcessResult comment = run(getfattr, {"--only-values", "-n", "user.xdg.comment", path});
    EXPECT_EQ(comment.out, "the system comment");
    const ProcessResult binary = run(getfattr, {"--only-values", "-n", "user.other", path});
    EXPECT_EQ(binary.out, QByteArray("\x00\xff\x10", 3));
}

TEST_F(FileSafety, SymbolicLinkStaysALinkAndItsTargetIsRewritten)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("elsewhere"));
    const QString target = folder.filePath("elsewhere/real.jpg");
    ASSERT_TRUE(QFile::rename(path, target));
    const QString link = folder.filePath("link.jpg");
    ASSERT_TRUE(QFile::link("elsewhere/real.jpg", link));

    ASSERT_EQ(setComment(link, "through the link"), CORVANE_OK);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(target).absoluteFilePath());
    EXPECT_EQ(readComment(target).text, "through the link");
    EXPECT_EQ(otherEntries(folder.path(), {"link.jpg", "elsewhere"}), QStringList());
    EXPECT_EQ(otherEntries(folder.filePath("elsewhere"), {"real.jpg"}), QStringList());
}

TEST_F(FileSafety, NoTemporaryIsLeftBehind)
{
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(setComment(path, "pass " + std::to_string(i)), CORVANE_OK);
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
    }
    EXPECT_EQ(otherEntries(folder.path(), {"picture.jpg"}), QStringList());
}

TEST_F(FileSafety, TemporariesOfAKilledWriterAreRemovedByTheNextWrite)
{
    const QString stale = folder.filePath(".picture.jpg.corvane-999999-1-1.tmp");
    writeFile(stale, "half a picture");
    const QString unrelated = folder.filePath(".other.jpg.corvane-999999-1-1.tmp");
    writeFile(unrelated, "belongs to another file");
    ASSERT_EQ(setComment(path, "cleans up"), CORVANE_OK);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(unrelated));
}

TEST_F(FileSafety, LongestFileNamesCanBeWritten)
{
    const QString name = QString(251, 'n') + ".jpg";
    const QString longPath = folder.filePath(name);
    ASSERT_TRUE(QFile::rename(path, longPath));
    ASSERT_EQ(setComment(longPath, "fits"), CORVANE_OK);
    EXPECT_EQ(readComment(longPath).text, "fits");
    EXPECT_EQ(otherEntries(folder.path(), {name}), QStringList());
}

TEST_F(FileSafety, ReadOnlyFileIsNotReplaced)
{
    if (runningAsRoot())
        GTEST_SKIP() << "a privileged user may write any file";
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    const QByteArray before = readFile(path);
    EXPECT_EQ(setComment(path, "must not land"), CORVANE_E_READ_ONLY);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(FileSafety, EditThatChangesNothingDoesNotRewriteTheFile)
{
    const QString stat = findProgram("stat");
    if (stat.isEmpty())
        GTEST_SKIP() << "stat not installed";
    const auto inode = [&] { return run(stat, {"-c", "%i", path}).out; };
    const QByteArray withoutComment = inode();
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(inode(), withoutComment);

    ASSERT_EQ(setComment(path, "same"), CORVANE_OK);
    const QByteArray withComment = inode();
    EXPECT_NE(withComment, withoutComment) << "a real change replaces the file";
    ASSERT_EQ(setComment(path, "same"), CORVANE_OK);
    EXPECT_EQ(inode(), withComment);
}

}
