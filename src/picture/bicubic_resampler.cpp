#include "picture/bicubic_resampler.h"

#include "picture/bicubic_taps.h"
#include "picture/simd_lanes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace picture {

namespace {

// Below this many source pixels a second thread costs more to start than it saves.
constexpr int64_t kThreadedSourcePixels = 1 << 20;

// One row of pixels as three planes of floats (blue, green, red), each padded with zeros to a whole
// number of SIMD lanes so every tap loop can run in full vectors.
class PlanarRow {
public:
    explicit PlanarRow(int width) : stride_(roundUpToLanes(width + kLanes)), data_(size_t(stride_) * 3, 0.0f) {}

    float* plane(int channel) { return data_.data() + size_t(channel) * size_t(stride_); }
    const float* plane(int channel) const { return data_.data() + size_t(channel) * size_t(stride_); }
    int stride() const { return stride_; }
    float* data() { return data_.data(); }

private:
    int stride_;
    std::vector<float> data_;
};

// The tap weights of one axis re-laid with a stride of whole vectors, zero-padded.
struct LaneTaps {
    int stride = 0;
    std::vector<int> first;
    std::vector<float> weights;
};

LaneTaps toLaneTaps(const AxisTaps& axis)
{
    LaneTaps lanes;
    lanes.stride = roundUpToLanes(axis.taps);
    lanes.first = axis.first;
    lanes.weights.assign(axis.first.size() * size_t(lanes.stride), 0.0f);
    for (size_t i = 0; i < axis.first.size(); ++i)
        std::copy_n(axis.weights.data() + i * size_t(axis.taps), axis.taps,
                    lanes.weights.data() + i * size_t(lanes.stride));
    return lanes;
}

SIMD_CLONES void planarize(const QRgb* pixels, int width, PlanarRow& row)
{
    float* blue = row.plane(0);
    float* green = row.plane(1);
    float* red = row.plane(2);
    int x = 0;
    for (; x + kLanes <= width; x += kLanes) {
        UInt8x packed;
        loadPixels(packed, pixels + x);
        const Float8 blueLanes = __builtin_convertvector(packed & 0xFFu, Float8);
        const Float8 greenLanes = __builtin_convertvector((packed >> 8) & 0xFFu, Float8);
        const Float8 redLanes = __builtin_convertvector((packed >> 16) & 0xFFu, Float8);
        storeLanes(blue + x, blueLanes);
        storeLanes(green + x, greenLanes);
        storeLanes(red + x, redLanes);
    }
    for (; x < width; ++x) {
        blue[x] = float(qBlue(pixels[x]));
        green[x] = float(qGreen(pixels[x]));
        red[x] = float(qRed(pixels[x]));
    }
}

// Each output sample is a dot product over its taps, eight taps at a time per channel.
SIMD_CLONES void filterAcross(const PlanarRow& in, const LaneTaps& taps, int width, float* blue, float* green,
                              float* red)
{
    for (int x = 0; x < width; ++x) {
        const float* weights = taps.weights.data() + size_t(x) * size_t(taps.stride);
        const int first = taps.first[size_t(x)];
        const float* inBlue = in.plane(0) + first;
        const float* inGreen = in.plane(1) + first;
        const float* inRed = in.plane(2) + first;
        Float8 sumBlue = {}, sumGreen = {}, sumRed = {};
        Float8 weight, sample;
        for (int k = 0; k < taps.stride; k += kLanes) {
            loadLanes(weight, weights + k);
            loadLanes(sample, inBlue + k);
            sumBlue += weight * sample;
            loadLanes(sample, inGreen + k);
            sumGreen += weight * sample;
            loadLanes(sample, inRed + k);
            sumRed += weight * sample;
        }
        blue[x] = laneTotal(sumBlue);
        green[x] = laneTotal(sumGreen);
        red[x] = laneTotal(sumRed);
    }
}

SIMD_CLONES void accumulate(float* sums, const float* row, float weight, int length)
{
    Float8 sum, sample;
    for (int i = 0; i < length; i += kLanes) {
        loadLanes(sum, sums + i);
        loadLanes(sample, row + i);
        sum += sample * weight;
        storeLanes(sums + i, sum);
    }
}

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
        PlanarRow& out = ringRow(sourceY);
        filterAcross(sourceRow_, job_.horizontal, job_.area.width(), out.plane(0), out.plane(1), out.plane(2));
    }

    void writeRow(int y)
    {
        const AxisTaps& vertical = job_.vertical;
        const int length = sums_.stride() * 3;
        std::fill_n(sums_.data(), length, 0.0f);
        const float* weights = vertical.weights.data() + size_t(y) * size_t(vertical.taps);
        for (int k = 0; k < vertical.taps; ++k)
            accumulate(sums_.data(), ringRow(vertical.first[size_t(y)] + k).data(), weights[k], length);

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
