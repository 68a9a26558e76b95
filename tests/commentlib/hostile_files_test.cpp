// Files and folders set up to trip the writer: special files, other users' files, planted temporaries,
// folders that refuse replacement, hard links, and names made to forge output. Most run the tool as a process.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace commenttest;

namespace {

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.filePath("q.jpg");
        writeFile(path, fixture(Format::Jpeg));
    }

    // The tool must finish on its own: a hang is a failure, not a stuck test run.
    ProcessResult finishing(const QStringList& arguments)
    {
        QProcess process;
        process.start(toolPath(), arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return {-2, {}, "did not finish"};
        }
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // As the unprivileged user `nobody`, when this test runs as root and can switch. The build folder may lie
    // where that user cannot enter (a checkout in a private folder), so the tool and its library run from a
    // copy in a fresh folder that everyone can reach.
    ProcessResult asNobody(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LD_LIBRARY_PATH", everyonesCopy.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(findProgram("setpriv"), QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                                          everyonesCopy.filePath("corvane-comment")} +
                                                  arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return {-2, {}, "did not finish"};
        }
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // Empty when `nobody` can run the tool on the test's folder, otherwise why not.
    QString whyNobodyCannotRun()
    {
        if (geteuid() != 0 || findProgram("setpriv").isEmpty())
            return "needs root and setpriv to act as another user";
        for (const QString& place : {everyonesCopy.path(), folder.path()})
            if (const QString closed = closedFolderOnTheWayTo(place); !closed.isEmpty())
                return "other users cannot enter " + closed + ", above " + place;
        const QString copy = everyonesCopy.path();
        const bool copied = QFile::copy(toolPath(), copy + "/corvane-comment") &&
                            QFile::copy(QString(CORVANE_BIN_DIR) + "/libcorvane.so.1", copy + "/libcorvane.so.1") &&
                            chmod(QFile::encodeName(copy).constData(), 0755) == 0 &&
                            chmod(QFile::encodeName(copy + "/corvane-comment").constData(), 0755) == 0 &&
                            chmod(QFile::encodeName(copy + "/libcorvane.so.1").constData(), 0644) == 0;
        return copied ? QString() : "cannot copy the tool into " + copy;
    }

    // The first folder from the root down to the one holding `path` that other users may not pass through.
    static QString closedFolderOnTheWayTo(const QString& path)
    {
        QString walked;
        for (const QString& part : QFileInfo(path).absolutePath().split('/', Qt::SkipEmptyParts)) {
            walked += '/' + part;
            struct stat info {};
            if (stat(QFile::encodeName(walked).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
                return walked;
        }
        return {};
    }

    QTemporaryDir folder;
    QTemporaryDir everyonesCopy;
    QString path;
};

TEST_F(HostileFiles, SpecialFilesAreRefusedWithoutBlocking)
{
    const QString pipe = folder.filePath("pipe.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QStringList& arguments : {QStringList{"get", pipe}, QStringList{"set", "x", pipe},
                                         QStringList{"erase", pipe}, QStringList{"get", "/dev/null"}}) {
        const ProcessResult result = finishing(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.join(' ').toStdString() << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(": not a regular file")) << result.err.toStdString();
    }
    EXPECT_TRUE(QFileInfo(pipe).exists());
}

TEST_F(HostileFiles, PlantedTemporariesAreNeitherDeletedNorOpened)
{
    const QString usersOwn = folder.filePath(".q.jpg.corvane-notes.tmp");
    writeFile(usersOwn, "the user's own notes");
    const QString pipeOfOurForm = folder.filePath(".q.jpg.corvane-1-2-3.tmp");
    const QString pipeOtherForm = folder.filePath(".q.jpg.corvane-pipe.tmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipeOfOurForm).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipeOtherForm).constData(), 0600), 0);
    const QString linkOfOurForm = folder.filePath(".q.jpg.corvane-4-5-6.tmp");
    ASSERT_TRUE(QFile::link(usersOwn, linkOfOurForm));
    for (int i = 0; i < 3; ++i) {
        const ProcessResult result = finishing({"set", "pass " + QString::number(i), path});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    }
    EXPECT_EQ(readFile(usersOwn), "the user's own notes");
    EXPECT_TRUE(QFileInfo(pipeOfOurForm).exists());
    EXPECT_TRUE(QFileInfo(pipeOtherForm).exists());
    EXPECT_TRUE(QFileInfo(linkOfOurForm).isSymLink());
    EXPECT_EQ(readComment(path).text, "pass 2");
}

struct Identity {
    ino_t inode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    nlink_t links = 0;
    bool operator==(const Identity&) const = default;
};

Identity identityOf(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return {info.st_ino, info.st_uid, info.st_gid, mode_t(info.st_mode & 07777), info.st_nlink};
}

TEST_F(HostileFiles, AnotherUsersFileIsNotSilentlyTakenOver)
{
    if (const QString reason = whyNobodyCannotRun(); !reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0666), 0);
    const QByteArray before = readFile(path);
    const Identity rootsFile = identityOf(path);
    const ProcessResult result = asNobody({"set", "written, not taken over", path});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(identityOf(path), rootsFile);
    EXPECT_EQ(readComment(path).text, "written, not taken over");
    EXPECT_EQ(otherEntries(folder.path(), {"q.jpg"}), QStringList());
    ASSERT_EQ(setComment(path, ""), CORVANE_OK);
    ASSERT_EQ(readFile(path), before);

    // Ours, but in a group we are not in, with the set-group-ID bit: keeping neither is not allowed.
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 02666), 0);
    const ProcessResult groupKept = asNobody({"set", "group lost", path});
    EXPECT_EQ(groupKept.exitCode, 1) << groupKept.err.toStdString();
    EXPECT_EQ(QFileInfo(path).groupId(), 0u);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 02666u);
    EXPECT_EQ(readFile(path), before);
}

// A picture in a group its owner is not in (copied from another system, or handed over with chown) cannot
// be given that group by a new file: it is written in place, every bit of its identity kept.
TEST_F(HostileFiles, FileInAGroupTheWriterIsNotInIsWrittenKeepingItsIdentity)
{
    if (const QString reason = whyNobodyCannotRun(); !reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    ASSERT_EQ(chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
    const QString other = folder.filePath("other-name.jpg");
    for (const bool linked : {false, true}) {
        if (linked) {
            ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
        }
        ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 0), 0);
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
        const Identity before = identityOf(path);
        const QString text = linked ? "kept, with a second link" : "kept";
        const ProcessResult result = asNobody({"set", text, path});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(identityOf(path), before);
        EXPECT_EQ(readComment(path).text, text.toStdString());
        EXPECT_EQ(asNobody({"get", path}).out.trimmed(), text.toUtf8());
        if (linked) {
            EXPECT_EQ(readComment(other).text, text.toStdString());
        }
        EXPECT_EQ(otherEntries(folder.path(), {"q.jpg", "other-name.jpg"}), QStringList());
    }
    const ProcessResult erased = asNobody({"erase", other});
    ASSERT_EQ(erased.exitCode, 0) << erased.err.toStdString();
    EXPECT_EQ(readFile(path), fixture(Format::Jpeg));
}

TEST_F(HostileFiles, PermissionDeniedIsSaidAsSuch)
{
    if (const QString reason = whyNobodyCannotRun(); !reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0600), 0);
    const ProcessResult result = asNobody({"get", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(": permission denied")) << result.err.toStdString();
}

TEST_F(HostileFiles, AppendOnlyFolderGetsNoTemporaryAndTheCause)
{
    const QString chattr = findProgram("chattr");
    if (chattr.isEmpty() || run(chattr, {"+a", folder.path()}).exitCode != 0)
        GTEST_SKIP() << "cannot mark a folder append-only here";
    QList<ProcessResult> results;
    for (int i = 0; i < 3; ++i)
        results << finishing({"set", "cannot land", path});
    const QStringList left = otherEntries(folder.path(), {"q.jpg"});
    run(chattr, {"-a", folder.path()});
    for (const ProcessResult& result : results) {
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains(": permission denied")) << result.err.toStdString();
    }
    EXPECT_EQ(left, QStringList());
    EXPECT_EQ(readComment(path).text, "");
}

TEST_F(HostileFiles, MessagesNameTheCause)
{
    const QString loopA = folder.filePath("loop-a.jpg"), loopB = folder.filePath("loop-b.jpg");
    ASSERT_TRUE(QFile::link(loopB, loopA));
    ASSERT_TRUE(QFile::link(loopA, loopB));
    const ProcessResult result = finishing({"set", "x", folder.filePath("none.jpg"), loopA, folder.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("none.jpg: no such file")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("loop-a.jpg: symbolic link loop")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(folder.path().toUtf8() + ": not a regular file")) << result.err.toStdString();
}

TEST_F(HostileFiles, NoSpaceLeftIsSaidAsSuch)
{
    const QString mount = findProgram("mount");
    QTemporaryDir small;
    if (geteuid() != 0 || mount.isEmpty() ||
        run(mount, {"-t", "tmpfs", "-o", "size=64k", "tmpfs", small.path()}).exitCode != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    const QString picture = small.filePath("full.bmp");
    writeFile(picture, fixture(Format::Bmp));
    const ProcessResult result = finishing({"set", QString(60 * 1024, 'n'), picture});
    run(findProgram("umount"), {small.path()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("no space left on the device")) << result.err.toStdString();
}

TEST_F(HostileFiles, ControlCharactersInNamesCannotForgeALine)
{
    const QString forged = folder.filePath("a\ncorvane-comment: b.jpg");
    const ProcessResult result = finishing({"get", forged});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("a\\ncorvane-comment: b.jpg: no such file")) << result.err.toStdString();
}

TEST_F(HostileFiles, HardLinksAllSeeTheNewContentsAsHelpSays)
{
    const QString other = folder.filePath("other-link.jpg");
    ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    const Identity before = identityOf(path);
    ASSERT_EQ(finishing({"set", "every name", path}).exitCode, 0);
    EXPECT_EQ(readComment(path).text, "every name");
    EXPECT_EQ(readComment(other).text, "every name");
    EXPECT_EQ(identityOf(other), before);
    ASSERT_EQ(eraseComment(other), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "");
    EXPECT_EQ(readFile(path), fixture(Format::Jpeg));

    // Both names on one command line are one file, written once.
    const ProcessResult both = finishing({"set", "once", path, other});
    EXPECT_EQ(both.exitCode, 0) << both.err.toStdString();
    EXPECT_TRUE(both.err.contains("the same file as " + path.toUtf8() + ", written once")) << both.err.toStdString();
    EXPECT_EQ(readComment(other).text, "once");
    EXPECT_EQ(identityOf(path), before);
    EXPECT_EQ(otherEntries(folder.path(), {"q.jpg", "other-link.jpg"}), QStringList());
    EXPECT_TRUE(finishing({"--help"}).out.contains("so every link sees the new contents"));
}

}
