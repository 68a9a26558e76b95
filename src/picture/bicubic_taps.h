// Precomputed bicubic filter taps for one axis.
#pragma once

#include <vector>

namespace picture {

// Precomputed filter taps for one axis: output sample i reads `taps` consecutive source samples
// starting at first[i], weighted by weights[i * taps ...]. The stride is the same for every
// output so the inner loops need no per-sample bounds.
struct AxisTaps {
    int taps = 0;
    std::vector<int> first;
    std::vector<float> weights;
};

// Catmull-Rom (Keys, a = -0.5) taps mapping `sourceLength` samples onto `targetLength`. When
// shrinking, the kernel is widened by the scale factor so every source sample contributes and fine
// detail averages out instead of aliasing. Weights of each output sum to one, so flat areas stay flat
// up to the picture's edges.
AxisTaps bicubicTaps(int sourceLength, int targetLength);

} // namespace picture
