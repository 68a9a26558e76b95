// Decoding at a reduced size where the fitted result keeps its quality.
#pragma once

#include <QSize>

namespace picture {

// Decoders that can shrink while decoding save the full-size intermediate; the fitted result keeps
// its quality as long as the decoded picture stays at least twice the fitted size on both axes, so
// the bicubic pass that follows still does the final filtering. Both functions take sizes in the
// file's stored orientation and return an invalid size when shrinking would not gain at least half.

// For a JPEG decoder: the smallest DCT scale M/8 (M <= 4) that keeps twice the fitted size. The
// size is what the decoder itself produces at that scale, so it needs no further resizing.
QSize dctReducedSize(QSize storedSize, QSize fittedSize);

// For a decoder that area-averages rows as it reads them: the aspect-keeping size just large enough
// to hold twice the fitted size.
QSize areaReducedSize(QSize storedSize, QSize fittedSize);

} // namespace picture
