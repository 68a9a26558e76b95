#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the render tool built beside the tests; the exit code, or -1 when it could not run.
int runRenderTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(CORVANE_BIN_DIR "/cvbutton-render"), arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

TEST(RenderTool, WritesTheSurfaceAsAPngOnTheButtonFace)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("face.png"));
    ASSERT_EQ(runRenderTool({out, "--size", "75x23", "--style", "5", "--state", "hot", "--focus", "--show-focus",
                             "--display-as-default", "--custom-colors", "#FF0000,#00FF00,#0000FF,#FFFFFF",
                             "--caption", "OK"}),
              0);
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(75, 23));
    // The hot face in its own colours repaints the surface in the back colour; the outermost
    // corner is never drawn over.
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0x00, 0x00));
}

TEST(RenderTool, KeepsTheControlsMinimumSize)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("small.png"));
    ASSERT_EQ(runRenderTool({out, "--size", "10x30", "--style", "0", "--state", "disabled"}), 0);
    EXPECT_EQ(QImage(out).size(), QSize(20, 30));
}

TEST(RenderTool, RefusesIncompleteOrMalformedCommandLines)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(runRenderTool({out, "--size", "75x23"}), 2);
    EXPECT_EQ(runRenderTool({out, "--size", "75", "--style", "1"}), 2);
    EXPECT_EQ(runRenderTool({out, "--size", "75x23", "--style", "1", "--state", "asleep"}), 2);
    EXPECT_EQ(runRenderTool({out, "--size", "75x23", "--style", "1", "--custom-colors", "#FF0000"}), 2);
    EXPECT_EQ(runRenderTool({out, "--size", "75x23", "--style", "1", "--caption"}), 2);
    EXPECT_EQ(runRenderTool({out, "--size", "75x23", "--style", "1", "--glow"}), 2);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(runRenderTool({folder.filePath(QStringLiteral("no/such/folder/x.png")), "--size", "75x23", "--style",
                             "1"}),
              1);
}

} // namespace
