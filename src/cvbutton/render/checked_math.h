// Arithmetic that reports overflow, for the drawing routines that stop where a 32-bit sum would overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace cvbutton::render {

// The drawing routines were written for 32-bit arithmetic that stops a routine on overflow instead
// of wrapping around; these helpers give the routines that stop signal.

inline std::optional<int> toInt32(std::int64_t value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

inline std::optional<int> checkedAdd(int a, int b)
{
    return toInt32(std::int64_t{a} + b);
}
inline std::optional<int> checkedSub(int a, int b)
{
    return toInt32(std::int64_t{a} - b);
}

// To the nearest integer, halves to the even neighbour; nothing when the value does not fit.
inline std::optional<int> roundToInt(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace cvbutton::render
