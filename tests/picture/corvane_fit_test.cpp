// Tests of corvane-fit: the fitted PNG it writes, RAW previews and its errors.
#include "dng_writer.h"
#include "fixtures.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode;
    QString errorOutput;
};

ToolRun corvaneFit(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_BIN_DIR "/corvane-fit"), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(CorvaneFitTool, WritesTheFittedPictureAsPng)
{
    QTemporaryDir dir;
    const QString in = fixtures::writeImage(dir, "in.jpg", fixtures::halves(300, 400, Qt::red, Qt::blue), "jpg");
    const QString out = dir.filePath("out.png");
    const ToolRun run = corvaneFit({in, out, "600x300"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errorOutput);
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(600, 300));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 188, 300), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(192, 4, 100, 292), Qt::red, 24));
}

TEST(CorvaneFitTool, ShowsACameraRawFromItsPreview)
{
    QTemporaryDir dir;
    const QImage preview = fixtures::halves(300, 400, Qt::red, Qt::blue);
    const QByteArray dng = fixtures::dngBytes({preview, {64, 48}, std::vector<uint16_t>(64 * 48), 1});
    const QString out = dir.filePath("out.png");
    const ToolRun run = corvaneFit({fixtures::writeBytes(dir, "in.nef", dng), out, "600x300"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errorOutput);
    const QImage image(out);
    EXPECT_TRUE(fixtures::regionIs(image, QRect(0, 0, 188, 300), Qt::white));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(192, 4, 100, 292), Qt::red, 24));
    EXPECT_TRUE(fixtures::regionIs(image, QRect(308, 4, 100, 292), Qt::blue, 24));
}

TEST(CorvaneFitTool, FailuresExitNonZeroWithAMessage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.jpg");
    const ToolRun unreadable = corvaneFit({missing, dir.filePath("o.png"), "593x193"});
    EXPECT_NE(unreadable.exitCode, 0);
    EXPECT_TRUE(unreadable.errorOutput.contains("Error loading picture " + missing))
        << qPrintable(unreadable.errorOutput);

    const QString in = fixtures::writeImage(dir, "in.png", fixtures::halves(4, 4, Qt::red, Qt::blue), "png");
    for (const char* box : {"593", "0x193", "593x0", "ax5", "-5x5"}) {
        const ToolRun bad = corvaneFit({in, dir.filePath("o.png"), box});
        EXPECT_NE(bad.exitCode, 0) << box;
        EXPECT_FALSE(bad.errorOutput.isEmpty()) << box;
    }
    EXPECT_NE(corvaneFit({in}).exitCode, 0);
    EXPECT_NE(corvaneFit({in, dir.filePath("no/such/folder/o.png"), "10x10"}).exitCode, 0);
}
