// Decoding a plain TIFF's rows on demand and flattening their transparency.
#include "picture/tiff_rows.h"

#include "picture/flatten.h"

#include <algorithm>

namespace picture {

namespace {

// Straight alpha premultiplied with rounding to nearest, as the general decoder's TIFF reader does it.
QRgb premultiplied(const uint8_t* rgba)
{
    const auto scale = [alpha = rgba[3]](uint8_t channel) { return (channel * alpha + 127) / 255; };
    return qRgba(scale(rgba[0]), scale(rgba[1]), scale(rgba[2]), rgba[3]);
}

bool opensAs(TIFF* tiff, const PlainTiffLayout& expected)
{
    return tiff && plainTiffLayout(tiff) == expected;
}

} // namespace

TiffRows::TiffRows(const QString& path, const PlainTiffLayout& expected, QRgb background)
    : tiff_(openTiffQuietly(path)), layout_(expected), background_(background)
{
    if (!opensAs(tiff_.get(), expected)) {
        tiff_.reset();
        return;
    }
    samples_.resize(size_t(expected.size.width()) * size_t(expected.samplesPerPixel()));
    pixels_.resize(size_t(expected.size.width()));
}

const QRgb* TiffRows::row(int y)
{
    if (!tiff_ || y < 0 || y >= layout_.size.height() || !decodeThrough(uint32_t(y)))
        return nullptr;
    toPixels();
    return pixels_.data();
}

// The compressed strips decode only from their top, so reaching a row the decoder has not just passed
// means decoding its strip from the first row on.
bool TiffRows::decodeThrough(uint32_t y)
{
    const uint32_t stripTop = y - y % layout_.rowsPerStrip;
    uint32_t row = nextRow_ >= stripTop && nextRow_ <= y ? nextRow_ : stripTop;
    for (; row <= y; ++row)
        if (TIFFReadScanline(tiff_.get(), samples_.data(), row, 0) < 0)
            return false;
    nextRow_ = y + 1;
    return true;
}

// The same pixels the general decoder hands over, flattened as flattenOnto would; premultiplied
// colours are kept within their alpha, as valid ones are.
void TiffRows::toPixels()
{
    const uint8_t* in = samples_.data();
    QRgb* out = pixels_.data();
    const int width = layout_.size.width();
    switch (layout_.alpha) {
    case PlainTiffLayout::Alpha::None:
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[0], in[1], in[2]);
        break;
    case PlainTiffLayout::Alpha::Straight:
        for (int x = 0; x < width; ++x, in += 4)
            out[x] = flattenPixel(premultiplied(in), background_);
        break;
    case PlainTiffLayout::Alpha::Premultiplied:
        for (int x = 0; x < width; ++x, in += 4) {
            const uint8_t alpha = in[3];
            out[x] = flattenPixel(qRgba(std::min(in[0], alpha), std::min(in[1], alpha), std::min(in[2], alpha), alpha),
                                  background_);
        }
        break;
    }
}

} // namespace picture
