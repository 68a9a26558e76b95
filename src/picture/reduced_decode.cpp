// Choosing how far a decoder may shrink a picture while decoding it.
#include "picture/reduced_decode.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace picture {

namespace {

// The decoder's own output length at scale m/8: it rounds partial blocks up.
int scaledLength(int length, int eighths)
{
    return int((int64_t(length) * eighths + 7) / 8);
}

} // namespace

QSize dctReducedSize(QSize storedSize, QSize fittedSize)
{
    for (int eighths = 1; eighths <= 4; ++eighths) {
        const QSize candidate(scaledLength(storedSize.width(), eighths), scaledLength(storedSize.height(), eighths));
        if (candidate.width() >= 2 * fittedSize.width() && candidate.height() >= 2 * fittedSize.height())
            return candidate;
    }
    return QSize();
}

QSize areaReducedSize(QSize storedSize, QSize fittedSize)
{
    const double factor =
        std::max(2.0 * fittedSize.width() / storedSize.width(), 2.0 * fittedSize.height() / storedSize.height());
    if (factor > 0.5)
        return QSize();
    const QSize reduced(int(std::ceil(storedSize.width() * factor)), int(std::ceil(storedSize.height() * factor)));
    return reduced.expandedTo(QSize(1, 1));
}

} // namespace picture
