// Filtering rows kept as planes of floats, eight taps at a time.
#include "picture/planar_rows.h"

#include "picture/simd_lanes.h"

#include <algorithm>

namespace picture {

PlanarRow::PlanarRow(int width) : stride_(roundUpToLanes(width + kLanes)), data_(size_t(stride_) * 3, 0.0f) {}

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

// Eight taps at a time per channel; the padding of rows and weights makes every step a full vector.
SIMD_CLONES void filterAcross(const PlanarRow& in, const LaneTaps& taps, int width, PlanarRow& out)
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
        out.plane(0)[x] = laneTotal(sumBlue);
        out.plane(1)[x] = laneTotal(sumGreen);
        out.plane(2)[x] = laneTotal(sumRed);
    }
}

SIMD_CLONES void accumulate(PlanarRow& sums, const PlanarRow& row, float weight)
{
    const int length = sums.stride() * 3;
    float* into = sums.data();
    const float* from = row.data();
    Float8 sum, sample;
    for (int i = 0; i < length; i += kLanes) {
        loadLanes(sum, into + i);
        loadLanes(sample, from + i);
        sum += sample * weight;
        storeLanes(into + i, sum);
    }
}

} // namespace picture
