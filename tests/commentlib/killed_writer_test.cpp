// A writer killed at any moment leaves either the old file or the complete new one, and no temporary; one
// killed while it overwrote a file in place leaves what the next run finishes or undoes.
#include "comment_test_support.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace commenttest;

namespace {

QByteArray hashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

TEST(KilledWriter, LeavesTheOldOrTheNewFileAndNoTemporary)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("big.bmp");
    const QByteArray original = patternedBitmap(4096, 4096);
    writeFile(path, original);
    // Everything after the header's size field, which counts our trailer.
    const QByteArray bitmapHash = hashOf(original.mid(6));
    std::string previous;
    int killedMidWrite = 0;
    for (int delayMs : {2, 5, 10, 20, 35, 50, 80, 120, 180, 250}) {
        const std::string next = "comment written before a kill after " + std::to_string(delayMs) + " ms";
        QProcess writer;
        writer.start(toolPath(), {"set", QString::fromStdString(next), path});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(delayMs);
        killedMidWrite += writer.state() == QProcess::Running;
        writer.kill();
        writer.waitForFinished();

        const Comment read = readComment(path);
        ASSERT_GE(read.status, 0) << "file damaged by a kill after " << delayMs << " ms";
        ASSERT_TRUE(read.text == previous || read.text == next) << read.text;
        const QByteArray now = readFile(path);
        EXPECT_EQ(hashOf(now.mid(6, original.size() - 6)), bitmapHash);
        EXPECT_EQ(now.size(), original.size() + (read.text.empty() ? 0 : 16 + qsizetype(read.text.size())));
        EXPECT_EQ(otherEntries(folder.path(), {"big.bmp"}), QStringList()) << "after " << delayMs << " ms";
        previous = read.text;
    }
    EXPECT_GT(killedMidWrite, 0) << "no kill landed while the writer was still running";
    ASSERT_EQ(setComment(path, "final"), 0);
    EXPECT_EQ(otherEntries(folder.path(), {"big.bmp"}), QStringList());
}

// The moments of an overwrite in place a kill is aimed at, told by the helpers standing beside the file.
enum class Moment { CopyNamed, BothNamed, NewContentsGone };

bool reached(Moment moment, bool copy, bool newContents, bool sawBoth)
{
    switch (moment) {
    case Moment::CopyNamed:
        return copy;
    case Moment::BothNamed:
        return copy && newContents;
    case Moment::NewContentsGone:
        return sawBoth && copy && !newContents;
    }
    return false;
}

// Starts a write of `text` into `path` and kills it the moment it is seen at `moment`; false when the writer
// finished first.
bool killAt(Moment moment, const QString& path, const std::string& text)
{
    const QDir folder = QFileInfo(path).dir();
    QProcess writer;
    writer.start(toolPath(), {"set", QString::fromStdString(text), path});
    EXPECT_TRUE(writer.waitForStarted());
    bool sawBoth = false, killed = false;
    QDeadlineTimer giveUp(30000);
    while (!killed && !writer.waitForFinished(0) && !giveUp.hasExpired()) {
        const QStringList hidden = folder.entryList(QDir::Hidden | QDir::Files);
        const bool copy = !hidden.filter(QRegularExpression("corvane-keep-\\d+\\.old$")).isEmpty();
        const bool newContents = !hidden.filter(QRegularExpression("corvane-keep-\\d+\\.new$")).isEmpty();
        sawBoth |= copy && newContents;
        if (reached(moment, copy, newContents, sawBoth))
            killed = ::kill(pid_t(writer.processId()), SIGKILL) == 0;
    }
    if (!killed)
        writer.kill();
    writer.waitForFinished();
    return killed && writer.exitStatus() == QProcess::CrashExit;
}

TEST(KilledWriter, OverwriteInPlaceIsFinishedOrUndoneByTheNextRun)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("linked.bmp"), other = folder.filePath("second-name.bmp");
    const QByteArray original = patternedBitmap(2048, 1024);
    writeFile(path, original);
    ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &before), 0);
    const QByteArray bitmapHash = hashOf(original.mid(6));
    std::string previous;
    int killedWithHelpers = 0;
    int attempt = 0;
    for (int round = 0; round < 3; ++round) {
        for (Moment moment : {Moment::CopyNamed, Moment::BothNamed, Moment::NewContentsGone}) {
            const std::string next = "overwritten in place, attempt " + std::to_string(++attempt);
            if (killAt(moment, path, next))
                killedWithHelpers += !otherEntries(folder.path(), {"linked.bmp", "second-name.bmp"}).isEmpty();

            // Any call of the library on the file comes first and finishes what the killed writer left.
            const Comment read = readComment(path);
            ASSERT_GE(read.status, 0) << "file damaged by a kill at attempt " << attempt;
            ASSERT_TRUE(read.text == previous || read.text == next) << read.text;
            const QByteArray now = readFile(path);
            EXPECT_EQ(hashOf(now.mid(6, original.size() - 6)), bitmapHash);
            EXPECT_EQ(now.size(), original.size() + (read.text.empty() ? 0 : 16 + qsizetype(read.text.size())));
            EXPECT_EQ(readFile(other), now);
            EXPECT_EQ(otherEntries(folder.path(), {"linked.bmp", "second-name.bmp"}), QStringList())
                << "after attempt " << attempt;
            previous = read.text;
        }
    }
    EXPECT_GT(killedWithHelpers, 0) << "no kill landed while the helpers stood";
    ASSERT_EQ(setComment(other, "final"), 0);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(readComment(path).text, "final");

    // Killed halfway through the overwrite itself: both helpers stand and the file is half old, half new.
    const QString elsewhere = folder.filePath("unlinked-copy.bmp");
    QFile::copy(path, elsewhere);
    ASSERT_EQ(setComment(elsewhere, "the new contents"), 0);
    const QByteArray oldBytes = readFile(path), newBytes = readFile(elsewhere);
    const QString helper = folder.filePath(".linked.bmp.corvane-keep-" + QString::number(before.st_ino));
    writeFile(helper + ".old", oldBytes);
    writeFile(helper + ".new", newBytes);
    QFile half(path);
    ASSERT_TRUE(half.open(QIODevice::ReadWrite));
    ASSERT_EQ(half.write(newBytes.left(newBytes.size() / 2)), newBytes.size() / 2);
    half.close();
    EXPECT_EQ(readComment(path).text, "the new contents");
    EXPECT_EQ(readFile(other), newBytes);
    EXPECT_EQ(otherEntries(folder.path(), {"linked.bmp", "second-name.bmp", "unlinked-copy.bmp"}), QStringList());
}

}
