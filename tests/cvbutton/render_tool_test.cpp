// Tests of cvbutton-render: the picture it writes and its refusal of bad options.
#include "cvbutton/cvbutton.h"
#include "cvbutton/plain_host.h"

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
                             "--display-as-default", "--custom-colors", "#FF0000,#00FF00,#0000FF,#FFFFFF", "--caption",
                             "OK"}),
              0);
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(75, 23));
    ASSERT_EQ(runRenderTool({out, "--size", "75x23", "--style", "11", "--caption", ""}), 0);
    EXPECT_EQ(QImage(out).pixel(0, 0), qRgb(0xF0, 0xF0, 0xF0)) << "a style without a face shows the button face";
}

// The face a shown control of the stock colours paints in its first layout.
QImage pipelineFace(int style, int state, const cvbutton::IconPicture& icon)
{
    const platform::PinnedSystemColors pinned(platform::SystemColors::windows10());
    cvbutton::PlainHost host(61, 27);
    host.surface().setBackgroundColor(0xF0F0F0);
    cvbutton::cvButton button(host);
    button.InitProperties();
    button.setStyle(style);
    button.setCaption(QStringLiteral("&Apply"));
    button.setIcon(icon);
    button.setIconAlign(cvbutton::AlignRight);
    button.setCaptionAlign(cvbutton::AlignLeft);
    button.setDrawState(state);
    button.setIsShown(true);
    button.UserControl_Resize();
    return host.surface().image().convertToFormat(QImage::Format_RGB32);
}

TEST(RenderTool, DrawsWhatThePipelineDrawsWithIconAndCaption)
{
    QTemporaryDir folder;
    const QString iconPath = folder.filePath(QStringLiteral("icon.png"));
    QImage iconImage(16, 16, QImage::Format_ARGB32);
    iconImage.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        iconImage.setPixel(i, i, qRgb(200, 30, 30));
    ASSERT_TRUE(iconImage.save(iconPath));
    const cvbutton::IconPicture icon = cvbutton::IconPicture::load(iconPath, cvbutton::IconPicture::TypeIcon);
    const std::pair<int, const char*> faces[] = {{0, "pressed"}, {3, "hot"}, {4, "hot"}, {6, "normal"}};
    for (const auto& [style, state] : faces) {
        const QString out = folder.filePath(QStringLiteral("face.png"));
        ASSERT_EQ(
            runRenderTool({out, "--size", "61x27", "--style", QString::number(style), "--state", state, "--caption",
                           "&Apply", "--icon", iconPath, "--icon-align", "2", "--caption-align", "1"}),
            0);
        const int stateId = QStringList{"normal", "hot", "pressed"}.indexOf(QLatin1String(state)) + 1;
        EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), pipelineFace(style, stateId, icon)) << style;
    }
}

TEST(RenderTool, WritesTheOutsideOfTheShapeTransparentAndCanDenyVisualStyles)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("shaped.png"));
    ASSERT_EQ(runRenderTool({out, "--size", "40x20", "--style", "5", "--shape"}), 0);
    const QImage shaped(out);
    EXPECT_EQ(qAlpha(shaped.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shaped.pixel(1, 0)), 255);
    EXPECT_EQ(qAlpha(shaped.pixel(39, 19)), 0);
    EXPECT_EQ(qAlpha(shaped.pixel(20, 10)), 255);

    ASSERT_EQ(runRenderTool({out, "--size", "40x20", "--style", "6", "--no-themes", "--caption", ""}), 0);
    const QImage plain(out);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            ASSERT_EQ(plain.pixel(x, y), qRgb(0xF0, 0xF0, 0xF0)) << "the fallback paint shows no face";
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
    EXPECT_EQ(
        runRenderTool({folder.filePath(QStringLiteral("no/such/folder/x.png")), "--size", "75x23", "--style", "1"}), 1);
}

} // namespace
