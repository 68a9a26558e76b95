// A batch writer killed at any moment leaves every file whole, with its old or its new comment, and the next
// run leaves no temporary behind.
#include "comment_test_support.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

TEST(KilledBatch, EveryFileIsOldOrNewAndWhole)
{
    QTemporaryDir folder;
    QStringList files;
    for (int i = 0; i < 300; ++i) {
        files << folder.filePath(QString("photo-%1.jpg").arg(i, 3, 10, QChar('0')));
        writeFile(files.back(), fixture(Format::Jpeg));
    }
    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    const QImage pixels = QImage::fromData(fixture(Format::Jpeg));
    std::vector<std::string> previous(size_t(files.size()));
    int killedMidBatch = 0;
    for (int delayMs : {1, 3, 6, 10, 15, 20, 30, 45, 60, 80, 110, 150}) {
        const std::string next = "batch killed after " + std::to_string(delayMs) + " ms";
        QProcess writer;
        writer.start(toolPath(), QStringList{"set", QString::fromStdString(next)} + files);
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(delayMs);
        killedMidBatch += !writer.waitForFinished(0);
        writer.kill();
        writer.waitForFinished();
        for (qsizetype i = 0; i < files.size(); ++i) {
            const Comment read = readComment(files[i]);
            ASSERT_GE(read.status, 0) << files[i].toStdString() << " after " << delayMs << " ms";
            ASSERT_TRUE(read.text == previous[size_t(i)] || read.text == next) << read.text;
            previous[size_t(i)] = read.text;
            if (i % 30 == 0) {
                EXPECT_EQ(QImage(files[i]), pixels) << files[i].toStdString();
            }
        }
    }
    EXPECT_GT(killedMidBatch, 0) << "no kill landed while the batch was running";
    const ProcessResult finished = run(toolPath(), QStringList{"set", "complete"} + files);
    ASSERT_EQ(finished.exitCode, 0) << finished.err.toStdString();
    EXPECT_EQ(otherEntries(folder.path(), names), QStringList());
    EXPECT_EQ(readComment(files.back()).text, "complete");
}

TEST(BatchView, FilesThatCannotBeParsedAreSkippedWithOneLineEach)
{
    QTemporaryDir folder;
    const QString good = folder.filePath("good.png"), text = folder.filePath("notes.jpg");
    const QString alsoGood = folder.filePath("also-good.gif");
    writeFile(good, fixture(Format::Png));
    writeFile(text, "not a picture");
    writeFile(alsoGood, fixture(Format::Gif));
    const ProcessResult result = run(toolPath(), {"set", "trip", good, text, alsoGood});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("notes.jpg: not a supported picture")) << result.err.toStdString();
    EXPECT_EQ(readComment(good).text, "trip");
    EXPECT_EQ(readComment(alsoGood).text, "trip");
    EXPECT_EQ(readFile(text), "not a picture");
}

}
