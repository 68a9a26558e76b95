// Pictures fitted ahead of a step, and shown as they are on disk now.
#include "editor_fixture.h"
#include "picture/dng_writer.h"
#include "picture/picture_preparer.h"

#include <QPainter>
#include <QProcess>

namespace {

class PicturesAheadTest : public EditorTest {
protected:
    void waitUntilPreparedAhead()
    {
        while (!window->picturesAhead().idle())
            QTest::qWait(2);
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
    const QString c = picture(QStringLiteral("c.bmp"), Qt::blue);
    open(dir() + QStringLiteral("a.bmp"));
    waitUntilPreparedAhead();
    window->Command2_Click();
    EXPECT_EQ(shownCentre(), QColor(Qt::green));
    waitUntilPreparedAhead();

    picture(QStringLiteral("c.bmp"), Qt::yellow); // the same length: only the time tells
    QFile rewritten(c);
    ASSERT_TRUE(rewritten.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rewritten.setFileTime(QDateTime::currentDateTime().addSecs(2), QFileDevice::FileModificationTime));
    rewritten.close();
    window->Command2_Click();
    EXPECT_EQ(shownCentre(), QColor(Qt::yellow));

    ASSERT_TRUE(QFile::remove(b));
    window->Command3_Click();
    EXPECT_EQ(window->Text1()->text(), b);
    EXPECT_TRUE(window->Picture1()->pixmap().isNull()) << "a file gone is not shown from memory";
}

// Camera RAWs in the folder are listed by their names in any letter case, fitted ahead like the
// others, and shown from their previews.
TEST_F(PicturesAheadTest, CameraRawsAreSteppedOntoAndShownFromTheirPreviews)
{
    const auto writeRaw = [&](const QString& name, QColor color) {
        QImage preview(96, 64, QImage::Format_RGB32);
        preview.fill(color);
        writeFile(name, fixtures::dngBytes({preview, {16, 16}, std::vector<uint16_t>(16 * 16), 6}));
    };
    picture(QStringLiteral("a.bmp"), Qt::red);
    writeRaw(QStringLiteral("b.NEF"), Qt::green);
    writeRaw(QStringLiteral("c.dng"), Qt::blue);
    open(dir() + QStringLiteral("a.bmp"));
    EXPECT_EQ(window->session().File1().names(), QStringList({"a.bmp", "b.NEF", "c.dng"}));
    for (const QColor expected : {QColor(Qt::green), QColor(Qt::blue)}) {
        waitUntilPreparedAhead();
        window->Command2_Click();
        const QColor shown = shownCentre();
        EXPECT_LE(std::abs(shown.red() - expected.red()) + std::abs(shown.green() - expected.green()) +
                      std::abs(shown.blue() - expected.blue()),
                  12)
            << qPrintable(shown.name()) << " for " << qPrintable(expected.name());
    }
}

// Grey levels darker than the white around a one-pixel line, along a row (or down a column).
QList<int> darkAlong(const QImage& shot, int fixed, bool row)
{
    QList<int> dark;
    for (int i = 8; i < (row ? shot.width() : shot.height()) - 8; ++i) {
        const int grey = qGray(row ? shot.pixel(i, fixed) : shot.pixel(fixed, i));
        if (grey < 200)
            dark.append(grey);
    }
    return dark;
}

// The screen's scale is fixed when the program starts, so the check runs again in a process of its
// own started at scale 2.
TEST(ScaledScreenTest, PictureAreaHoldsTwiceThePixelsAndAOnePixelLineStaysSharp)
{
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=ScaledScreenTest.*")});
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines.png"));
    QImage source(1186, 386, QImage::Format_RGB32); // the picture area at scale 2: drawn one to one
    source.fill(Qt::white);
    QPainter(&source).drawLines(QList<QLine>{QLine(601, 0, 601, 385), QLine(0, 201, 1185, 201)});
    ASSERT_TRUE(source.save(path));

    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    fakes::FaultyFiles files;
    fakes::FakeCommentLibrary comments;
    fakes::FakeShellNamespace shellFolders;
    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    window.show();
    window.openFromDesktop(path);
    EXPECT_EQ(window.Picture1()->pixmap().deviceIndependentSize(), QSizeF(593, 193)) << "sizes stay logical";

    const QImage shot = window.Picture1()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1186, 386));
    for (const QList<int>& line : {darkAlong(shot, 100, true), darkAlong(shot, 300, false)}) {
        ASSERT_EQ(line.size(), 1) << "one device pixel wide";
        EXPECT_LT(line[0], 40) << "and black, not smeared grey";
    }
}

} // namespace

namespace {

// Desktops scale by a quarter or a half: the picture is still fitted at the screen's own pixels and
// drawn one to one, so a one-pixel line stays one sharp pixel. Each scale runs in a process of its own.
TEST(FractionalScaleTest, AOnePixelLineStaysSharpAtAQuarterAndAHalf)
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (scale != "1.25" && scale != "1.5") {
        for (const QString& factor : {QStringLiteral("1.25"), QStringLiteral("1.5")}) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_SCALE_FACTOR"), factor);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--gtest_filter=FractionalScaleTest.*")});
            ASSERT_TRUE(child.waitForFinished(120000));
            EXPECT_EQ(child.exitCode(), 0) << factor.toStdString() << ": " << child.readAll().toStdString();
        }
        return;
    }
    const qreal factor = scale.toDouble();
    const QSize device(qRound(593 * factor), qRound(193 * factor));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines.png"));
    QImage source(device, QImage::Format_RGB32);
    source.fill(Qt::white);
    const QPoint cross(device.width() / 2, device.height() / 2);
    QPainter(&source).drawLines(QList<QLine>{QLine(cross.x(), 0, cross.x(), device.height() - 1),
                                             QLine(0, cross.y(), device.width() - 1, cross.y())});
    ASSERT_TRUE(source.save(path));

    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    fakes::FaultyFiles files;
    fakes::FakeCommentLibrary comments;
    fakes::FakeShellNamespace shellFolders;
    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    window.show();
    window.openFromDesktop(path);
    ASSERT_EQ(window.Picture1()->pixmap().size(), device) << "fitted at the screen's own pixels";

    const QImage shot = window.Picture1()->grab().toImage();
    for (const QList<int>& line :
         {darkAlong(shot, shot.height() / 4, true), darkAlong(shot, shot.width() / 4, false)}) {
        ASSERT_EQ(line.size(), 1) << "one device pixel wide";
        EXPECT_LT(line[0], 40) << "and black, not smeared grey";
    }
}

} // namespace
