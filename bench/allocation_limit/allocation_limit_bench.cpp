// How fast a picture too large to hold is refused: the viewer's two entry points on a 40000 x 40000
// PNG (6.4 GB of pixels), timed side by side with reading that file's header alone in the same run,
// which is the least any refusal must cost. Prints the medians and their ratio.
#include "fixtures.h"
#include "picture/picture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 25;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeOnce(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void refuse(const std::function<void()>& load)
{
    try {
        load();
        qFatal("the oversized picture was not refused");
    } catch (const picture::PictureError&) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString huge = fixtures::writeBytes(dir, QStringLiteral("huge.png"), fixtures::pngHeaderOnly(40000, 40000));

    std::vector<double> header, ownSize, fitted;
    for (int run = 0; run < kRuns; ++run) { // interleaved, so all three see the same cache and load
        header.push_back(timeOnce([&] { QImageReader(huge).size(); }));
        ownSize.push_back(timeOnce([&] {
            refuse([&] {
                int width = -1, height = -1;
                picture::LoadPictureScaled(huge, width, height, 0xFFFFFF, false);
            });
        }));
        fitted.push_back(timeOnce([&] { refuse([&] { picture::loadFitted(huge, QSize(593, 193), 0xFFFFFF); }); }));
    }
    const double base = median(header);
    std::printf("40000 x 40000 PNG, %d runs each\n", kRuns);
    std::printf("header read               median %8.3f ms\n", base);
    std::printf("LoadPictureScaled refused median %8.3f ms  (%.1fx the header read)\n", median(ownSize),
                median(ownSize) / base);
    std::printf("loadFitted refused        median %8.3f ms  (%.1fx the header read)\n", median(fitted),
                median(fitted) / base);
    return 0;
}
