#include "picture/bicubic_resampler.h"

#include "picture/bicubic_taps.h"
#include "picture/planar_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace picture {

namespace {

// Below this many source pixels a second thread costs more to start than it saves.
constexpr int64_t kThreadedSourcePixels = 1 << 20;

// Clamps away the kernel's overshoot; lrint rounds halves to even in the default rounding mode.
int toChannel(float value)
{
    return int(std::lrint(std::clamp(value, 0.0f, 255.0f)));
}

// Everything a band of output rows shares: read-only after construction. Row addresses come from the
// pixel pointers taken here, once, so the bands never touch the images' sharing machinery.
struct ResampleJob {
    ResampleJob(const QImage& source, QImage& target, const QRect& area)
        : sourceBits(source.constBits()), sourceStride(source.bytesPerLine()), sourceWidth(source.width()),
          targetBits(target.bits()), targetStride(target.bytesPerLine()), area(area),
          horizontal(toLaneTaps(bicubicTaps(source.width(), area.width()))),
          vertical(bicubicTaps(source.height(), area.height()))
    {
    }

    const QRgb* sourceRow(int y) const { return reinterpret_cast<const QRgb*>(sourceBits + y * sourceStride); }
    QRgb* targetRow(int y) const
    {
        return reinterpret_cast<QRgb*>(targetBits + (area.y() + y) * targetStride) + area.x();
    }

    const uchar* sourceBits;
    qsizetype sourceStride;
    int sourceWidth;
    uchar* targetBits;
    qsizetype targetStride;
    QRect area;
    LaneTaps horizontal;
    AxisTaps vertical;
};

// Resamples a band of output rows in order. Each source row the band needs is filtered horizontally
// once into a ring of `vertical.taps` rows, so memory stays a few rows wide however large the source.
class Band {
public:
    explicit Band(const ResampleJob& job)
        : job_(job), sourceRow_(job.sourceWidth), sums_(job.area.width()),
          ring_(size_t(job.vertical.taps), PlanarRow(job.area.width()))
    {
    }

    void run(int firstRow, int endRow)
    {
        for (int y = firstRow; y < endRow; ++y) {
            fillRing(job_.vertical.first[size_t(y)]);
            writeRow(y);
        }
    }

private:
    PlanarRow& ringRow(int sourceY) { return ring_[size_t(sourceY % job_.vertical.taps)]; }

    void fillRing(int firstNeeded)
    {
        nextSourceRow_ = std::max(nextSourceRow_, firstNeeded);
        for (; nextSourceRow_ < firstNeeded + job_.vertical.taps; ++nextSourceRow_)
            filterSourceRow(nextSourceRow_);
    }

    void filterSourceRow(int sourceY)
    {
        planarize(job_.sourceRow(sourceY), job_.sourceWidth, sourceRow_);
        filterAcross(sourceRow_, job_.horizontal, job_.area.width(), ringRow(sourceY));
    }

    void writeRow(int y)
    {
        const AxisTaps& vertical = job_.vertical;
        std::fill_n(sums_.data(), sums_.stride() * 3, 0.0f);
        const float* weights = vertical.weights.data() + size_t(y) * size_t(vertical.taps);
        for (int k = 0; k < vertical.taps; ++k)
            accumulate(sums_, ringRow(vertical.first[size_t(y)] + k), weights[k]);

        QRgb* out = job_.targetRow(y);
        for (int x = 0; x < job_.area.width(); ++x)
            out[x] = qRgb(toChannel(sums_.plane(2)[x]), toChannel(sums_.plane(1)[x]), toChannel(sums_.plane(0)[x]));
    }

    const ResampleJob& job_;
    PlanarRow sourceRow_;
    PlanarRow sums_;
    std::vector<PlanarRow> ring_;
    int nextSourceRow_ = 0;
};

// Splits the output rows in two halves when the source is large and a second core is there; the
// halves share nothing but read-only tables and write disjoint rows. Both bands allocate their buffers
// here, on the calling thread, so running them cannot throw.
void runBands(const ResampleJob& job, int64_t sourcePixels)
{
    const int rows = job.area.height();
    const bool worthThreads =
        sourcePixels >= kThreadedSourcePixels && rows >= 2 && std::thread::hardware_concurrency() >= 2;
    Band upper(job);
    if (!worthThreads) {
        upper.run(0, rows);
        return;
    }
    Band lower(job);
    const int middle = rows / 2;
    std::thread helper;
    try {
        helper = std::thread([&upper, middle] { upper.run(0, middle); });
    } catch (const std::system_error&) {
        upper.run(0, middle);
    }
    lower.run(middle, rows);
    if (helper.joinable())
        helper.join();
}

// At the same size the bicubic weights are exactly one and zero, so copying gives the identical
// result without filtering every pixel through a dozen taps.
void copyInto(const QImage& source, QImage& target, const QRect& area)
{
    const size_t rowBytes = size_t(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(target.scanLine(area.y() + y)) + area.x(), source.constScanLine(y),
                    rowBytes);
}

}  // namespace

void drawBicubic(const QImage& source, QImage& target, const QRect& area)
{
    if (area.isEmpty() || source.isNull())
        return;
    if (area.size() == source.size()) {
        copyInto(source, target, area);
        return;
    }
    runBands(ResampleJob(source, target, area), int64_t(source.width()) * source.height());
}

}  // namespace picture
