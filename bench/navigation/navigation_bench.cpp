// Stepping through a folder of 24-megapixel JPEGs in the real window (offscreen) at a person's pace:
// the time from the click on Next File to the picture painted, median and worst, with the neighbours
// fitted ahead and, in the same run, without; then the same through camera RAWs (DNGs whose 6000 x
// 4000 JPEG previews are those pictures) and through HEICs of the same pictures. Then the time from the start of the program with a
// picture named on its command line to the first painted picture, beside the fit of that picture
// alone.
//
//   navigation_bench [--steps N] [--pace MS] [--starts N]
//
// The pictures are made once under $CORVANE_BENCH_DIR (default ~/.cache/corvane-bench/navigation,
// navigation-raw and navigation-heic).
#include "bench_arguments.h"
#include "dng_writer.h"
#include "editor/main_window.h"
#include "photo_like.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "platform/desktop_shell.h"
#include "platform/detail_folder.h"
#include "platform/loaded_comment_library.h"
#include "platform/local_files.h"
#include "platform/qt_dialogs.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using bench::median;
using bench::option;
using bench::photoLike;

constexpr int kPictures = 12;
const QSize kPictureSize(6000, 4000);

enum class Kind { Jpeg, Raw, Heic };

// One picture of the folder in its kind: a DNG carries the JPEG's picture as its preview, a HEIC is
// encoded by heif-enc from the same picture.
bool writePicture(Kind kind, const QString& path, int seed)
{
    const QImage picture = photoLike(kPictureSize, seed);
    if (kind == Kind::Jpeg)
        return picture.save(path, "jpg", 90);
    if (kind == Kind::Heic) {
        const QString png = path + QStringLiteral(".png");
        const bool encoded = picture.save(png, "png") &&
                             QProcess::execute(QStringLiteral("heif-enc"), {"-q", "85", png, "-o", path}) == 0;
        QFile::remove(png);
        return encoded;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(fixtures::dngBytes({picture, {64, 48}, std::vector<uint16_t>(64 * 48, 1000), 1})) > 0;
}

// The pictures of one kind, made once.
QStringList preparePictures(Kind kind)
{
    const QString cache = qEnvironmentVariable("CORVANE_BENCH_DIR",
                                               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                                   QStringLiteral("/corvane-bench"));
    const char* suffix = kind == Kind::Jpeg ? "" : kind == Kind::Raw ? "-raw" : "-heic";
    const char* extension = kind == Kind::Jpeg ? "jpg" : kind == Kind::Raw ? "dng" : "heic";
    const QString folder = cache + QStringLiteral("/navigation") + QLatin1String(suffix);
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < kPictures; ++i) {
        const QString path = QStringLiteral("%1/photo%2.%3").arg(folder).arg(i, 2, 10, QLatin1Char('0')).arg(extension);
        if (!QFile::exists(path)) {
            std::fprintf(stderr, "making %s (once)\n", qPrintable(path));
            if (!writePicture(kind, path, i))
                qFatal("cannot write %s", qPrintable(path));
        }
        paths.append(path);
    }
    return paths;
}

// Notes when the watched widget has finished a paint, with or without a picture in it.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QLabel* label) : label_(label) { label->installEventFilter(this); }

    void reset() { pictures_ = 0; }
    bool pictureShown() const { return pictures_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != label_ || event->type() != QEvent::Paint)
            return false;
        static_cast<QObject*>(label_)->event(event);
        if (!label_->pixmap().isNull())
            ++pictures_;
        return true;
    }

private:
    QLabel* label_;
    int pictures_ = 0;
};

struct Services {
    platform::QtDialogs dialogs;
    platform::DesktopShell shell{dialogs};
    platform::LocalFiles files;
    platform::LoadedCommentLibrary comments{QCoreApplication::applicationDirPath()};
    platform::DetailNamespace shellFolders;

    editor::EditorServices forWindow() { return {dialogs, shell, files, comments, shellFolders}; }
};

bool waitFor(const PaintWatch& watch, int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!watch.pictureShown() && timer.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return watch.pictureShown();
}

// Milliseconds from each click on Next File to the next picture painted.
std::vector<double> stepTimes(const QStringList& pictures, bool prepared, int steps, int paceMs)
{
    Services services;
    editor::Corvane window(services.forWindow());
    window.picturesAhead().setEnabled(prepared);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never shown");
    PaintWatch watch(window.Picture1());
    window.openFromDesktop(pictures.first());
    auto* next = window.findChild<QPushButton*>(QStringLiteral("Command2"));

    std::vector<double> times;
    for (int step = 0; step < steps; ++step) {
        QTest::qWait(paceMs); // reading the picture, typing its caption
        watch.reset();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(next, Qt::LeftButton);
        if (!waitFor(watch, 10000))
            qFatal("step %d painted no picture", step);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}

// What main() does with a picture on its command line, in this process: prints when the picture is
// painted, counted from the start of the program.
int firstPicture(int argc, char** argv, const QString& path)
{
    QApplication app(argc, argv);
    platform::SingleInstance instance(
        QStringLiteral("corvane-navigation-bench-%1").arg(QCoreApplication::applicationPid()));
    instance.claim();
    Services services;
    editor::Corvane window(services.forWindow());
    PaintWatch watch(window.Picture1());
    window.show();
    QTimer::singleShot(0, &window, [&window, &path] { window.openFromDesktop(path); });
    if (!waitFor(watch, 30000))
        return 1;
    std::printf("painted\n");
    std::fflush(stdout);
    return 0;
}

// Milliseconds from starting the program to its first painted picture.
double startTime(const QString& path)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--first-picture"), path});
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(30000))
            qFatal("the started program painted no picture: %s", child.readAllStandardError().constData());
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    child.waitForFinished();
    return elapsed;
}

double fitTime(const QString& path, QSize box)
{
    QElapsedTimer timer;
    timer.start();
    picture::loadFitted(path, box, 0xFFFFFF);
    return timer.nsecsElapsed() / 1e6;
}

void printRow(const char* label, const std::vector<double>& times)
{
    std::printf("%-34s %9.1f %9.1f\n", label, median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--first-picture") == 0)
        return firstPicture(argc, argv, QString::fromLocal8Bit(argv[2]));

    QApplication app(argc, argv);
    const int steps = option(argc, argv, "--steps", 24);
    const int pace = option(argc, argv, "--pace", 1200);
    const int starts = option(argc, argv, "--starts", 7);
    const QStringList pictures = preparePictures(Kind::Jpeg);
    const QStringList raws = preparePictures(Kind::Raw);
    const QStringList heics = preparePictures(Kind::Heic);

    std::printf("%d steps through %d JPEGs of %dx%d, %d RAWs with such previews and %d HEICs of those pictures, one "
                "click every %d ms\n",
                steps, kPictures, kPictureSize.width(), kPictureSize.height(), kPictures, kPictures, pace);
    std::printf("%-34s %9s %9s\n", "click to picture painted (ms)", "median", "worst");
    printRow("JPEGs, neighbours fitted ahead", stepTimes(pictures, true, steps, pace));
    printRow("JPEGs, fitted at each click", stepTimes(pictures, false, steps, pace));
    printRow("RAWs, neighbours fitted ahead", stepTimes(raws, true, steps, pace));
    printRow("RAWs, fitted at each click", stepTimes(raws, false, steps, pace));
    printRow("HEICs, neighbours fitted ahead", stepTimes(heics, true, steps, pace));
    printRow("HEICs, fitted at each click", stepTimes(heics, false, steps, pace));

    std::vector<double> startTimes, fitTimes;
    const qreal ratio = qApp->devicePixelRatio(); // the window fits at the screen's own pixels
    const QSize box(qRound(593 * ratio), qRound(193 * ratio));
    for (int run = 0; run < starts; ++run) {
        startTimes.push_back(startTime(pictures.first()));
        fitTimes.push_back(fitTime(pictures.first(), box));
    }
    std::printf("\n%-34s %9s %9s   (%d starts)\n", "start to first picture (ms)", "median", "worst", starts);
    printRow("corvane PICTURE", startTimes);
    printRow("the fit alone", fitTimes);
    std::printf("%-34s %9.1f   (goal <= 150)\n", "start beyond the fit", median(startTimes) - median(fitTimes));
    return 0;
}
