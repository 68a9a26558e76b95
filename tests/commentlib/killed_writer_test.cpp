// A writer killed at any moment leaves either the old file or the complete new one, and no temporary.
#include "comment_test_support.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

}
