// One row of pixels as three padded planes of floats, for the resampler's vector loops.
#pragma once

#include "picture/bicubic_taps.h"

#include <QRgb>
#include <vector>

namespace picture {

// One row of pixels as three planes of floats (blue, green, red), each padded with zeros to a whole
// number of SIMD lanes so every tap loop can run in full vectors.
class PlanarRow {
public:
    explicit PlanarRow(int width);

    float* plane(int channel) { return data_.data() + size_t(channel) * size_t(stride_); }
    const float* plane(int channel) const { return data_.data() + size_t(channel) * size_t(stride_); }
    int stride() const { return stride_; }
    float* data() { return data_.data(); }
    const float* data() const { return data_.data(); }

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

LaneTaps toLaneTaps(const AxisTaps& axis);

// Spreads `width` opaque pixels into the row's planes.
void planarize(const QRgb* pixels, int width, PlanarRow& row);

// Filters a planar row along its length: output x of each channel is the dot product of its taps.
void filterAcross(const PlanarRow& in, const LaneTaps& taps, int width, PlanarRow& out);

// sums[i] += row[i] * weight over the whole planar row (both rows of the same width).
void accumulate(PlanarRow& sums, const PlanarRow& row, float weight);

} // namespace picture
