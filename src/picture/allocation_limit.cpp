// Whether a picture of a given size stays within the most memory one picture's pixels may take.
#include "picture/allocation_limit.h"

#include <cstdint>

namespace picture {

bool fitsAllocationLimit(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    const int64_t bytes = int64_t(size.width()) * int64_t(size.height()) * 4;
    return bytes <= int64_t(kAllocationLimitMegabytes) * 1024 * 1024;
}

} // namespace picture
