// Other programs acting on the file while we edit it: a folder on the path swapped for a link elsewhere, and a
// program rewriting the file in place. Real processes and real files, many times, bounded by loop counts.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace commenttest;

namespace {

// Waits until the process holds `path` open, that is, has resolved it and started reading; false when the
// process ended first.
bool holdsOpen(qint64 pid, const QByteArray& path)
{
    for (int fd = 0; fd < 64; ++fd) {
        char target[4096];
        const QByteArray link = "/proc/" + QByteArray::number(pid) + "/fd/" + QByteArray::number(fd);
        const ssize_t length = readlink(link.constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, length) == path)
            return true;
    }
    return false;
}

bool waitUntilOpened(QProcess& process, const QString& path)
{
    const QByteArray wanted = QFile::encodeName(path);
    while (!process.waitForFinished(0))
        if (holdsOpen(process.processId(), wanted))
            return true;
    return false;
}

// The path names the user's folder when the writer starts; a swap after that must not send the write elsewhere.
TEST(Races, FolderSwappedForALinkNeverRedirectsTheWrite)
{
    QTemporaryDir root;
    const QString home = root.filePath("home"), guarded = root.filePath("guarded");
    ASSERT_TRUE(QDir().mkpath(home + "/d"));
    ASSERT_TRUE(QDir().mkpath(guarded));
    const QByteArray guardedBytes = fixture(Format::Bmp);
    writeFile(guarded + "/pic.bmp", guardedBytes);
    const QByteArray large = patternedBitmap(2048, 2048); // 16 MiB: the write takes a while
    int swappedMidWrite = 0;
    for (int delayMs : {0, 0, 1, 1, 2, 3, 4, 5, 7, 10, 13, 16, 20, 25, 30, 40}) {
        writeFile(home + "/d/pic.bmp", large);
        QProcess writer;
        writer.start(toolPath(), {"set", "run " + QString::number(delayMs), home + "/d/pic.bmp"});
        ASSERT_TRUE(writer.waitForStarted());
        const bool opened = waitUntilOpened(writer, home + "/d/pic.bmp");
        QThread::msleep(delayMs);
        ASSERT_TRUE(QDir(home).rename("d", "d.moved"));
        ASSERT_TRUE(QFile::link(guarded, home + "/d"));
        swappedMidWrite += opened && !writer.waitForFinished(0);
        ASSERT_TRUE(writer.state() == QProcess::NotRunning || writer.waitForFinished(60000));

        EXPECT_EQ(readFile(guarded + "/pic.bmp"), guardedBytes) << "after " << delayMs << " ms";
        EXPECT_EQ(otherEntries(guarded, {"pic.bmp"}), QStringList()) << "after " << delayMs << " ms";
        const Comment moved = readComment(home + "/d.moved/pic.bmp");
        EXPECT_GE(moved.status, 0) << "after " << delayMs << " ms";
        ASSERT_TRUE(QFile::remove(home + "/d"));
        ASSERT_TRUE(QDir(home).rename("d.moved", "d"));
    }
    EXPECT_GT(swappedMidWrite, 0) << "no swap landed while the writer was still running";
}

// Rewrites the file in place, truncating first, the way cp onto an existing file does.
class Rewriter {
public:
    Rewriter(const QString& path, const QByteArray& bytes) : path_(QFile::encodeName(path)), bytes_(bytes)
    {
        thread_ = std::thread([this] { loop(); });
    }
    ~Rewriter()
    {
        stop_ = true;
        thread_.join();
    }
    int rounds() const { return rounds_; }

private:
    void loop()
    {
        while (!stop_) {
            const int fd = open(path_.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (fd < 0)
                continue;
            for (qsizetype at = 0; at < bytes_.size() && !stop_; at += 65536)
                if (write(fd, bytes_.constData() + at, size_t(std::min<qsizetype>(65536, bytes_.size() - at))) < 0)
                    break;
            close(fd);
            ++rounds_;
        }
    }

    QByteArray path_;
    QByteArray bytes_;
    std::atomic<bool> stop_{false};
    std::atomic<int> rounds_{0};
    std::thread thread_;
};

TEST(Races, FileRewrittenWhileWeReadItNeverKillsTheReader)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("busy.bmp");
    const QByteArray bytes = patternedBitmap(1024, 1024);
    writeFile(path, bytes);
    ASSERT_EQ(setComment(path, "before the rewriter"), CORVANE_OK);
    const QByteArray commented = readFile(path);
    Rewriter rewriter(path, commented);
    int refused = 0;
    for (int i = 0; i < 150; ++i) {
        const bool writing = i % 3 == 2;
        const ProcessResult result =
            writing ? run(toolPath(), {"set", "pass " + QString::number(i), path}) : run(toolPath(), {"get", path});
        ASSERT_TRUE(result.exitCode == 0 || result.exitCode == 1)
            << "the tool died (" << result.exitCode << ") on pass " << i << ": " << result.err.toStdString();
        refused += result.exitCode;
    }
    // In this process too: the editor hosts the library, and must survive the same.
    for (int i = 0; i < 300; ++i) {
        const Comment read = readComment(path);
        // Caught between truncation and the first bytes, the file is no picture at all for a moment.
        EXPECT_TRUE(read.status >= 0 || read.status == CORVANE_E_CHANGED || read.status == CORVANE_E_DAMAGED ||
                    read.status == CORVANE_E_UNSUPPORTED)
            << read.status;
    }
    EXPECT_GT(rewriter.rounds(), 10);
    EXPECT_GT(refused, 0) << "the rewriter never disturbed a read";
}

}
