// Working out the bicubic filter's taps for one axis.
#include "picture/bicubic_taps.h"

#include <algorithm>
#include <cmath>

namespace picture {

namespace {

double catmullRom(double x)
{
    x = std::fabs(x);
    if (x < 1.0)
        return (1.5 * x - 2.5) * x * x + 1.0;
    if (x < 2.0)
        return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
    return 0.0;
}

// Fills the weights of one output sample whose centre falls on `centre` in source coordinates (where
// source sample j covers [j, j + 1)); samples beyond the edges are left out and the rest renormalised.
void fillSample(AxisTaps& axis, int index, double centre, double filterScale, int sourceLength)
{
    const double support = 2.0 * filterScale;
    const int lowest = std::max(int(std::floor(centre - support + 0.5)), 0);
    const int end = std::min(int(std::floor(centre + support + 0.5)), sourceLength);
    const int first = std::max(std::min(lowest, sourceLength - axis.taps), 0);
    axis.first[index] = first;

    float* weights = axis.weights.data() + size_t(index) * size_t(axis.taps);
    double sum = 0.0;
    for (int j = lowest; j < end; ++j)
        sum += catmullRom((j + 0.5 - centre) / filterScale);
    for (int j = lowest; j < end; ++j)
        weights[j - first] = float(catmullRom((j + 0.5 - centre) / filterScale) / sum);
}

} // namespace

AxisTaps bicubicTaps(int sourceLength, int targetLength)
{
    const double scale = double(sourceLength) / double(targetLength);
    const double filterScale = std::max(scale, 1.0);
    AxisTaps axis;
    axis.taps = std::min(2 * int(std::ceil(2.0 * filterScale)) + 1, sourceLength);
    axis.first.resize(size_t(targetLength));
    axis.weights.assign(size_t(targetLength) * size_t(axis.taps), 0.0f);
    for (int i = 0; i < targetLength; ++i)
        fillSample(axis, i, (i + 0.5) * scale, filterScale, sourceLength);
    return axis;
}

} // namespace picture
