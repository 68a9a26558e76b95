// Showing a picture: fitted on white, with its path and title.
#include "editor_fixture.h"

namespace {

using ViewFileTest = EditorTest;

TEST_F(ViewFileTest, PictureIsFittedOnWhiteIntoThePictureArea)
{
    picture(QStringLiteral("wide.png"), Qt::blue); // 8 x 6 into 593 x 193: 257 x 193, centred
    open(dir() + QStringLiteral("wide.png"));
    const QImage shown = window->Picture1()->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(593, 193));
    EXPECT_EQ(shown.pixelColor(10, 96), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(296, 96), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(582, 96), QColor(Qt::white));
}

TEST_F(ViewFileTest, DamagedFileStillGetsPathAndTitleEvenAfterAGoodPicture)
{
    picture(QStringLiteral("a.png"));
    writeFile(QStringLiteral("b.png"), "\x89PNG\r\n\x1a\n damaged");
    open(dir() + QStringLiteral("a.png"));
    ASSERT_TRUE(pictureShown());

    window->Command2_Click();
    EXPECT_EQ(window->Text1()->text(), dir() + QStringLiteral("b.png"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("b.png - Corvane 1.0"));
    EXPECT_FALSE(pictureShown());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ViewFileTest, ViewingTwiceShowsTheSamePictureAgain)
{
    picture(QStringLiteral("a.png"), Qt::green);
    open(dir() + QStringLiteral("a.png"));
    const QImage first = window->Picture1()->pixmap().toImage();
    window->ViewFile();
    EXPECT_EQ(window->Picture1()->pixmap().toImage(), first);
}

} // namespace
