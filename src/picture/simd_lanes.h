// Eight-lane vectors for the resampler's hot loops.
#pragma once

// Eight-lane vectors for the resampler's hot loops, written with the compiler's generic vector
// extension so they build on any target. memcpy keeps loads and stores free of alignment and
// aliasing assumptions and compiles to single vector moves. Vectors go in and out of the helpers by
// reference only: passing 32-byte vectors by value would differ between the AVX and plain builds.

#include <QRgb>
#include <cstdint>
#include <cstring>

namespace picture {

constexpr int kLanes = 8;
using Float8 = float __attribute__((vector_size(32)));
using UInt8x = uint32_t __attribute__((vector_size(32)));

// On x86-64 the hot loops are also built for the AVX2/FMA level and picked at load time, so one
// binary runs everywhere and uses the wide units where the processor has them. The pick runs before
// ThreadSanitizer's runtime is set up, so a build with it keeps the plain loops only.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#  define SIMD_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#  define SIMD_CLONES
#endif

inline int roundUpToLanes(int count)
{
    return (count + kLanes - 1) / kLanes * kLanes;
}

inline void loadLanes(Float8& lanes, const float* values)
{
    std::memcpy(&lanes, values, sizeof lanes);
}

inline void storeLanes(float* values, const Float8& lanes)
{
    std::memcpy(values, &lanes, sizeof lanes);
}

inline void loadPixels(UInt8x& lanes, const QRgb* pixels)
{
    std::memcpy(&lanes, pixels, sizeof lanes);
}

inline float laneTotal(const Float8& lanes)
{
    return ((lanes[0] + lanes[4]) + (lanes[1] + lanes[5])) + ((lanes[2] + lanes[6]) + (lanes[3] + lanes[7]));
}

} // namespace picture
