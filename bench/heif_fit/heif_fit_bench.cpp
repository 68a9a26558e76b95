// Showing a 12-megapixel HEIC: the 4000 x 3000 picture fitted into the picture area (1000 x 750),
// timed side by side in the same run with libheif decoding the same file alone into 8-bit RGB, which
// any way of showing it must pay. Prints the medians and their ratio.
//
//   heif_fit_bench [--runs N]
//
// The HEIC is made once with heif-enc under $CORVANE_BENCH_DIR (default ~/.cache/corvane-bench/heif).
#include "bench_arguments.h"
#include "photo_like.h"
#include "picture/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <functional>
#include <libheif/heif.h>
#include <vector>

namespace {

using bench::median;
using bench::option;
using bench::photoLike;
using bench::timeOnce;

const QSize kPictureSize(4000, 3000);
const QSize kPictureArea(1000, 750);

QString prepareHeic()
{
    const QString folder = qEnvironmentVariable("CORVANE_BENCH_DIR",
                                                QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                                    QStringLiteral("/corvane-bench")) +
                           QStringLiteral("/heif");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/photo12mp.heic");
    if (!QFile::exists(path)) {
        std::fprintf(stderr, "making %s (once)\n", qPrintable(path));
        const QString png = folder + QStringLiteral("/photo12mp.png");
        if (!photoLike(kPictureSize).save(png, "png") ||
            QProcess::execute(QStringLiteral("heif-enc"), {"-q", "85", png, "-o", path}) != 0)
            qFatal("cannot make %s", qPrintable(path));
        QFile::remove(png);
    }
    return path;
}

// libheif alone: the primary picture decoded to interleaved 8-bit RGB, as a viewer calling it would.
void decodeWithLibheif(const QString& path)
{
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    if (heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr).code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok ||
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code !=
            heif_error_Ok)
        qFatal("libheif cannot decode %s", qPrintable(path));
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = option(argc, argv, "--runs", 11);
    const QString path = prepareHeic();
    std::printf("a %dx%d HEIC (%lld bytes) fitted into %dx%d, %d runs, median ms\n", kPictureSize.width(),
                kPictureSize.height(), QFile(path).size(), kPictureArea.width(), kPictureArea.height(), runs);
    std::vector<double> fitted, alone;
    picture::loadFitted(path, kPictureArea, 0xFFFFFF); // warm the file cache and the decoder
    for (int run = 0; run < runs; ++run) {
        fitted.push_back(timeOnce([&] { picture::loadFitted(path, kPictureArea, 0xFFFFFF); }));
        alone.push_back(timeOnce([&] { decodeWithLibheif(path); }));
    }
    std::printf("%-28s %10.1f\n%-28s %10.1f\n%-28s %9.2fx   (goal <= 1.2x)\n", "fitted into the picture area",
                median(fitted), "libheif decoding alone", median(alone), "fitted / decoding alone",
                median(fitted) / median(alone));
    return 0;
}
