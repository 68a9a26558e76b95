#include "editor_fixture.h"
#include "picture/picture_preparer.h"

#include <QElapsedTimer>
#include <QProcess>

namespace {

class PicturesAheadTest : public EditorTest {
protected:
    bool preparedAhead() const
    {
        QElapsedTimer timer;
        timer.start();
        while (!window->picturesAhead().idle()) {
            if (timer.elapsed() > 60000)
                return false;
            QTest::qWait(2);
        }
        return true;
    }
    QColor shownCentre() const
    {
        const QImage shown = window->Picture1()->pixmap().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }
};

TEST_F(PicturesAheadTest, PictureChangedOnDiskAfterItWasPreparedIsShownAsItIsNow)
{
    picture(QStringLiteral("a.bmp"), Qt::red);
    const QString b = picture(QStringLiteral("b.bmp"), Qt::green);
    picture(QStringLiteral("c.bmp"), Qt::blue);
    open(dir() + QStringLiteral("a.bmp"));
    ASSERT_TRUE(preparedAhead());
    window->Command2_Click();
    EXPECT_EQ(shownCentre(), QColor(Qt::green));
    ASSERT_TRUE(preparedAhead());

    picture(QStringLiteral("c.bmp"), Qt::yellow); // same length: only the time tells
    QFile rewritten(dir() + QStringLiteral("c.bmp"));
    ASSERT_TRUE(rewritten.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rewritten.setFileTime(QDateTime::currentDateTime().addSecs(2), QFileDevice::FileModificationTime));
    rewritten.close();
    window->Command2_Click();
    EXPECT_EQ(shownCentre(), QColor(Qt::yellow));

    ASSERT_TRUE(QFile::remove(b));
    ASSERT_TRUE(QFile::copy(dir() + QStringLiteral("c.bmp"), b)); // replaced by another file
    window->Command3_Click();
    EXPECT_EQ(window->Text1()->text(), b);
    EXPECT_EQ(shownCentre(), QColor(Qt::yellow));
}

// The scale of the screen is fixed when the program starts, so the check runs in a process of its
// own started at scale 2.
TEST(ScaledScreenTest, PictureAreaHoldsTwiceThePixelsAndAOnePixelLineStaysSharp)
{
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ScaledScreenTest.*")});
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines.png"));
    QImage source(1186, 386, QImage::Format_RGB32); // the picture area at scale 2: drawn one to one
    source.fill(Qt::white);
    for (int y = 0; y < source.height(); ++y)
        source.setPixel(601, y, qRgb(0, 0, 0));
    for (int x = 0; x < source.width(); ++x)
        source.setPixel(x, 201, qRgb(0, 0, 0));
    ASSERT_TRUE(source.save(path));

    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    fakes::FaultyFiles files;
    fakes::FakeCommentLibrary comments;
    fakes::FakeShellNamespace shellFolders;
    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    window.show();
    window.openFromDesktop(path);

    const QPixmap held = window.Picture1()->pixmap();
    EXPECT_EQ(held.size(), QSize(1186, 386));
    EXPECT_EQ(held.deviceIndependentSize(), QSizeF(593, 193)) << "sizes stay in the window's own pixels";

    const QImage shot = window.Picture1()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1186, 386));
    const auto darkAcross = [&](int y) {
        QList<int> dark;
        for (int x = 8; x < shot.width() - 8; ++x)
            if (qGray(shot.pixel(x, y)) < 200)
                dark.append(qGray(shot.pixel(x, y)));
        return dark;
    };
    const auto darkDown = [&](int x) {
        QList<int> dark;
        for (int y = 8; y < shot.height() - 8; ++y)
            if (qGray(shot.pixel(x, y)) < 200)
                dark.append(qGray(shot.pixel(x, y)));
        return dark;
    };
    const QList<int> across = darkAcross(100);
    ASSERT_EQ(across.size(), 1) << "the line is one device pixel wide";
    EXPECT_LT(across[0], 40) << "and black, not smeared grey";
    const QList<int> down = darkDown(300);
    ASSERT_EQ(down.size(), 1);
    EXPECT_LT(down[0], 40);
}

} // namespace
