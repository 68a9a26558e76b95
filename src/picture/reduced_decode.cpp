#include "picture/reduced_decode.h"

#include <cstdint>

namespace picture {

namespace {

// The decoder's own output length at scale m/8: it rounds partial blocks up.
int scaledLength(int length, int eighths)
{
    return int((int64_t(length) * eighths + 7) / 8);
}

}  // namespace

QSize reducedDecodeSize(QSize storedSize, QSize fittedSize)
{
    for (int eighths = 1; eighths <= 4; ++eighths) {
        const QSize candidate(scaledLength(storedSize.width(), eighths), scaledLength(storedSize.height(), eighths));
        if (candidate.width() >= 2 * fittedSize.width() && candidate.height() >= 2 * fittedSize.height())
            return candidate;
    }
    return QSize();
}

}  // namespace picture
