// Small DNG files made in code for the RAW tests.
#pragma once

// Small DNG files made in code: a little-endian TIFF whose first directory is a JPEG preview (or,
// without one, the raw picture itself), with the raw picture as a 16-bit uncompressed RGGB mosaic.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

namespace fixtures {

struct DngContent {
    QImage preview; // none when null
    QSize rawSize;
    std::vector<uint16_t> rawSamples; // rawSize.width() * rawSize.height() values of 12 bits, row by row
    int orientation = 1;              // as the EXIF tag counts
};

QByteArray dngBytes(const DngContent& content, int previewQuality = 90);

// A raw mosaic whose left half is bright and right half dark, level over each colour block.
std::vector<uint16_t> brightLeftMosaic(QSize size);

} // namespace fixtures
