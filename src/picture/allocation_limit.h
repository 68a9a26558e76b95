// The most memory one picture's pixels may take.
#pragma once

#include <QSize>

namespace picture {

// The most memory one picture's pixels may take, in megabytes. A decoder asked for more refuses the
// file, which then fails like an unreadable one instead of exhausting memory and taking the program
// down with it. 2 GiB admits a 20000 x 20000 picture at 32 bits (1.6 GB) and anything a camera makes.
constexpr int kAllocationLimitMegabytes = 2048;

// Whether a 32-bit bitmap of `size` stays within the limit (false also for empty sizes).
bool fitsAllocationLimit(QSize size);

} // namespace picture
