// The bicubic resampler: scaling a picture in two passes through precomputed taps, on two threads for
// large pictures.
#include "picture/bicubic_resampler.h"

#include "picture/bicubic_taps.h"
#include "picture/planar_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
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

// Everything the bands of output rows share: read-only after construction. The target's row
// addresses come from the pixel pointer taken here, once, so the bands never touch the image's
// sharing machinery.
struct ResampleJob {
    ResampleJob(QSize sourceSize, QImage& target, const QRect& area)
        : sourceSize(sourceSize), targetBits(target.bits()), targetStride(target.bytesPerLine()), area(area),
          horizontal(toLaneTaps(bicubicTaps(sourceSize.width(), area.width()))),
          vertical(bicubicTaps(sourceSize.height(), area.height()))
    {
    }

    QRgb* targetRow(int y) const
    {
        return reinterpret_cast<QRgb*>(targetBits + (area.y() + y) * targetStride) + area.x();
    }

    QSize sourceSize;
    uchar* targetBits;
    qsizetype targetStride;
    QRect area;
    LaneTaps horizontal;
    AxisTaps vertical;
};

// The rows of a picture already in memory.
class ImageRows final : public SourceRows {
public:
    explicit ImageRows(const QImage& image) : bits_(image.constBits()), stride_(image.bytesPerLine()) {}

    const QRgb* row(int y) override { return reinterpret_cast<const QRgb*>(bits_ + y * stride_); }

private:
    const uchar* bits_;
    qsizetype stride_;
};

// Resamples a band of output rows in order. Each source row the band needs is filtered horizontally
// once into a ring of `vertical.taps` rows, so memory stays a few rows wide however large the source.
class Band {
public:
    Band(const ResampleJob& job, std::unique_ptr<SourceRows> rows)
        : job_(job), rows_(std::move(rows)), sourceRow_(job.sourceSize.width()), sums_(job.area.width()),
          ring_(size_t(job.vertical.taps), PlanarRow(job.area.width()))
    {
    }

    // False when a source row could not be read; the band stops there.
    bool run(int firstRow, int endRow)
    {
        for (int y = firstRow; y < endRow; ++y) {
            if (!fillRing(job_.vertical.first[size_t(y)]))
                return false;
            writeRow(y);
        }
        return true;
    }

private:
    PlanarRow& ringRow(int sourceY) { return ring_[size_t(sourceY % job_.vertical.taps)]; }

    bool fillRing(int firstNeeded)
    {
        nextSourceRow_ = std::max(nextSourceRow_, firstNeeded);
        for (; nextSourceRow_ < firstNeeded + job_.vertical.taps; ++nextSourceRow_)
            if (!filterSourceRow(nextSourceRow_))
                return false;
        return true;
    }

    bool filterSourceRow(int sourceY)
    {
        const QRgb* pixels = rows_->row(sourceY);
        if (!pixels)
            return false;
        planarize(pixels, job_.sourceSize.width(), sourceRow_);
        filterAcross(sourceRow_, job_.horizontal, job_.area.width(), ringRow(sourceY));
        return true;
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
    std::unique_ptr<SourceRows> rows_;
    PlanarRow sourceRow_;
    PlanarRow sums_;
    std::vector<PlanarRow> ring_;
    int nextSourceRow_ = 0;
};

// Splits the output rows in two halves when the source is large, splitting pays and a second core is
// there; the halves share nothing but read-only tables and write disjoint rows. Both bands allocate
// their buffers and open their readers here, on the calling thread, so running them cannot throw.
bool runBands(const ResampleJob& job, const SourceRowsFactory& makeRows, bool splitsWell)
{
    const int rows = job.area.height();
    const int64_t sourcePixels = int64_t(job.sourceSize.width()) * job.sourceSize.height();
    const bool worthThreads =
        splitsWell && sourcePixels >= kThreadedSourcePixels && rows >= 2 && std::thread::hardware_concurrency() >= 2;
    Band upper(job, makeRows());
    if (!worthThreads)
        return upper.run(0, rows);
    Band lower(job, makeRows());
    const int middle = rows / 2;
    bool upperDone = false;
    std::thread helper;
    try {
        helper = std::thread([&upper, &upperDone, middle] { upperDone = upper.run(0, middle); });
    } catch (const std::system_error&) {
        upperDone = upper.run(0, middle);
    }
    const bool lowerDone = lower.run(middle, rows);
    if (helper.joinable())
        helper.join();
    return upperDone && lowerDone;
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

} // namespace

void drawBicubic(const QImage& source, QImage& target, const QRect& area)
{
    if (area.isEmpty() || source.isNull())
        return;
    if (area.size() == source.size()) {
        copyInto(source, target, area);
        return;
    }
    const auto makeRows = [&source] { return std::make_unique<ImageRows>(source); };
    runBands(ResampleJob(source.size(), target, area), makeRows, true);
}

bool drawBicubicFromRows(QSize sourceSize, const SourceRowsFactory& makeRows, bool splitsWell, QImage& target,
                         const QRect& area)
{
    if (area.isEmpty() || sourceSize.isEmpty())
        return true;
    return runBands(ResampleJob(sourceSize, target, area), makeRows, splitsWell);
}

} // namespace picture
