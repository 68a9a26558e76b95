// Showing a 24-megapixel camera RAW: its 6000 x 4000 JPEG preview fitted into a window-sized box
// (the large view's and the picture area's), timed side by side in the same run with LibRaw handing
// that preview over alone (open_file and unpack_thumb), which any way of showing it must pay, and
// with the same preview shown as a JPEG file of its own, which holds the decoding a RAW shares with
// it. Prints the medians and the ratios.
//
//   raw_preview_bench [--runs N]
//
// The RAW (a DNG) is made once under $CORVANE_BENCH_DIR (default ~/.cache/corvane-bench/raw).
#include "bench_arguments.h"
#include "dng_writer.h"
#include "photo_like.h"
#include "picture/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <libraw/libraw.h>
#include <memory>
#include <vector>

namespace {

using bench::median;
using bench::option;
using bench::photoLike;
using bench::timeOnce;

const QSize kPreviewSize(6000, 4000);

QString prepareRaw()
{
    const QString folder = qEnvironmentVariable("CORVANE_BENCH_DIR",
                                                QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                                    QStringLiteral("/corvane-bench")) +
                           QStringLiteral("/raw");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/photo24mp.dng");
    if (!QFile::exists(path)) {
        std::fprintf(stderr, "making %s (once)\n", qPrintable(path));
        const QSize rawSize(64, 48);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(
                fixtures::dngBytes({photoLike(kPreviewSize), rawSize, std::vector<uint16_t>(64 * 48, 1000), 1})) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

QByteArray extractPreview(const QString& path)
{
    const auto raw = std::make_unique<LibRaw>();
    if (raw->open_file(QFile::encodeName(path).constData()) != LIBRAW_SUCCESS || raw->unpack_thumb() != LIBRAW_SUCCESS)
        qFatal("LibRaw cannot hand the preview of %s over", qPrintable(path));
    return QByteArray(raw->imgdata.thumbnail.thumb, raw->imgdata.thumbnail.tlength);
}

// The RAW's preview as a JPEG file beside it.
QString writePreviewJpeg(const QString& rawPath)
{
    const QString path = rawPath + QStringLiteral(".preview.jpg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(extractPreview(rawPath)) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = option(argc, argv, "--runs", 15);
    const QString path = prepareRaw();
    const QString jpeg = writePreviewJpeg(path);
    std::printf("a DNG with a %dx%d JPEG preview (%lld bytes), %d runs, median ms\n", kPreviewSize.width(),
                kPreviewSize.height(), QFile(path).size(), runs);
    std::printf("%-10s %10s %14s %10s %16s %14s\n", "box", "RAW shown", "preview alone", "JPEG shown", "RAW/preview",
                "RAW/JPEG");
    for (const QSize box : {QSize(1600, 1000), QSize(593, 193)}) {
        std::vector<double> shown, alone, asJpeg;
        picture::loadFitted(path, box, 0xFFFFFF); // warm the file cache and the decoder
        for (int run = 0; run < runs; ++run) {
            shown.push_back(timeOnce([&] { picture::loadFitted(path, box, 0xFFFFFF); }));
            alone.push_back(timeOnce([&] { extractPreview(path); }));
            asJpeg.push_back(timeOnce([&] { picture::loadFitted(jpeg, box, 0xFFFFFF); }));
        }
        std::printf("%-10s %10.1f %14.1f %10.1f %15.2fx %13.2fx\n",
                    qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())), median(shown),
                    median(alone), median(asJpeg), median(shown) / median(alone), median(shown) / median(asJpeg));
    }
    return 0;
}
