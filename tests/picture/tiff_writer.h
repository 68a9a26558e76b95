// TIFF files written in code, down to details Qt's own encoder does not offer.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace fixtures {

// How to store a picture as TIFF, down to the details the toolkit's own encoder does not offer.
struct TiffStyle {
    enum class Alpha { None, Premultiplied, Straight };
    enum class Layout { Strips, Tiles, SeparatePlanes, Palette, Sixteen };

    uint16_t compression = 1; // the TIFF code: 1 none, 5 LZW, 8 deflate, 7 JPEG, 32773 PackBits
    bool predictor = false;   // horizontal differencing before compression
    bool bigEndian = false;
    uint32_t rowsPerStrip = 16;
    Alpha alpha = Alpha::None;
    Layout layout = Layout::Strips;
    uint16_t orientation = 1;
};

// Writes `pages` (the first one shown) in `style`. Alpha is taken from the pictures' own channel;
// a palette page keeps the first 256 colours met. Aborts when the file cannot be written.
void writeTiff(const QString& path, const std::vector<QImage>& pages, const TiffStyle& style);

} // namespace fixtures
