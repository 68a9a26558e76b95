// The rows of a plain TIFF page, decoded as they are asked for.
#pragma once

#include "picture/plain_tiff_layout.h"
#include "picture/source_rows.h"
#include "picture/tiff_handle.h"

#include <QRgb>
#include <QString>
#include <cstdint>
#include <vector>

namespace picture {

// Reads the rows of a plain TIFF page through a handle of its own, decoding each one when it is
// asked for and flattening any transparency onto the background. Rows further down may be asked for
// first: the decoder then starts at the strip that holds them.
class TiffRows final : public SourceRows {
public:
    // Every row reads as failed when the file no longer opens with the layout `expected`.
    TiffRows(const QString& path, const PlainTiffLayout& expected, QRgb background);

    const QRgb* row(int y) override;

private:
    bool decodeThrough(uint32_t y);
    void toPixels();

    TiffHandle tiff_;
    PlainTiffLayout layout_;
    QRgb background_;
    std::vector<uint8_t> samples_;
    std::vector<QRgb> pixels_;
    uint32_t nextRow_ = 0;
};

} // namespace picture
