// Rebuilding the folder list of a 20,000-file folder (half of them pictures), timed side by side with
// `ls -1` on the same folder in the same run. Prints the medians and their ratio.
#include "platform/local_files.h"
#include "session/file_list.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFiles = 20000;
constexpr int kRuns = 25;

void fillFolder(const QString& folder)
{
    const char* pictures[] = {"jpg", "JPEG", "png", "gif", "tif", "bmp", "jfif", "Tiff", "jpe", "PNG"};
    const char* others[] = {"txt", "xmp", "mov", "doc", "json"};
    for (int i = 0; i < kFiles; ++i) {
        const bool picture = i % 2 == 0;
        const char* extension = picture ? pictures[(i / 2) % 10] : others[(i / 2) % 5];
        QFile file(QStringLiteral("%1/file%2.%3")
                       .arg(folder)
                       .arg(i * 7919 % kFiles, 5, 10, QLatin1Char('0'))
                       .arg(QLatin1String(extension)));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(file.fileName()));
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeListing(const QString& folder)
{
    QProcess ls;
    ls.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    ls.start(QStringLiteral("ls"), {QStringLiteral("-1"), folder});
    ls.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e6;
}

double timeRebuild(session::FileList& list, const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    list.rebuild(folder);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    fillFolder(dir.path());

    platform::LocalFiles files;
    session::FileList list(files);
    std::vector<double> lsTimes, rebuildTimes;
    for (int run = 0; run < kRuns; ++run) { // interleaved, so both see the same cache and load
        lsTimes.push_back(timeListing(dir.path()));
        rebuildTimes.push_back(timeRebuild(list, dir.path()));
    }
    const double lsMedian = median(lsTimes);
    const double rebuildMedian = median(rebuildTimes);
    std::printf("folder of %d files, %lld listed as pictures, %d runs each\n", kFiles,
                static_cast<long long>(list.ListCount()), kRuns);
    std::printf("ls -1 (whole command)   median %8.2f ms\n", lsMedian);
    std::printf("list rebuild            median %8.2f ms\n", rebuildMedian);
    std::printf("ratio rebuild / ls      %8.2f  (bar: at most 2.00)\n", rebuildMedian / lsMedian);
    return rebuildMedian <= 2 * lsMedian ? 0 : 1;
}
