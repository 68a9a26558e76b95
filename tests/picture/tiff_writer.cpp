// Writing TIFF files in code in every storage style the tests need.
#include "tiff_writer.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <tiffio.h>

namespace fixtures {

namespace {

void require(bool ok)
{
    if (!ok)
        std::abort();
}

int samplesOf(const TiffStyle& style)
{
    if (style.layout == TiffStyle::Layout::Palette)
        return 1;
    return style.alpha == TiffStyle::Alpha::None ? 3 : 4;
}

// One pixel's samples in file order: RGB and, when stored, alpha (premultiplied if so declared).
std::vector<uint8_t> samplesOf(QRgb pixel, const TiffStyle& style)
{
    if (style.alpha == TiffStyle::Alpha::Premultiplied)
        pixel = qPremultiply(pixel);
    std::vector<uint8_t> samples{uint8_t(qRed(pixel)), uint8_t(qGreen(pixel)), uint8_t(qBlue(pixel))};
    if (style.alpha != TiffStyle::Alpha::None)
        samples.push_back(uint8_t(qAlpha(pixel)));
    return samples;
}

void writeTags(TIFF* tiff, const QImage& page, const TiffStyle& style)
{
    const bool palette = style.layout == TiffStyle::Layout::Palette;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(page.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(page.height()));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(samplesOf(style)));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(style.layout == TiffStyle::Layout::Sixteen ? 16 : 8));
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, palette ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG,
                 style.layout == TiffStyle::Layout::SeparatePlanes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, style.compression);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, style.orientation);
    if (style.predictor)
        TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    if (style.alpha != TiffStyle::Alpha::None) {
        const uint16_t kind =
            style.alpha == TiffStyle::Alpha::Premultiplied ? EXTRASAMPLE_ASSOCALPHA : EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), &kind);
    }
    if (style.layout == TiffStyle::Layout::Tiles) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, uint32_t(16));
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, uint32_t(16));
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, style.rowsPerStrip);
    }
}

// The page's colours as indices into a palette of at most 256 entries, and that palette as the
// 16-bit red, green and blue tables the file stores.
std::vector<uint8_t> writePalette(TIFF* tiff, const QImage& page)
{
    std::map<QRgb, uint8_t> indexOf;
    std::vector<uint16_t> red(256), green(256), blue(256);
    std::vector<uint8_t> indices;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb colour = page.pixel(x, y) | 0xFF000000u;
            if (!indexOf.count(colour) && indexOf.size() < 256) {
                const size_t next = indexOf.size();
                indexOf[colour] = uint8_t(next);
                red[next] = uint16_t(qRed(colour) * 257);
                green[next] = uint16_t(qGreen(colour) * 257);
                blue[next] = uint16_t(qBlue(colour) * 257);
            }
            const auto found = indexOf.find(colour);
            indices.push_back(found == indexOf.end() ? 0 : found->second);
        }
    TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
    return indices;
}

// Interleaved samples, or for separate planes all of one sample before the next; 16-bit samples
// repeat the 8-bit value in both bytes so they scale back exactly.
std::vector<uint8_t> pixelBytes(const QImage& page, const TiffStyle& style)
{
    const int samples = samplesOf(style);
    const size_t pixels = size_t(page.width()) * size_t(page.height());
    std::vector<uint8_t> bytes(pixels * size_t(samples));
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const size_t index = size_t(y) * size_t(page.width()) + size_t(x);
            const std::vector<uint8_t> values = samplesOf(page.pixel(x, y), style);
            for (int s = 0; s < samples; ++s) {
                const bool separate = style.layout == TiffStyle::Layout::SeparatePlanes;
                bytes[separate ? size_t(s) * pixels + index : index * size_t(samples) + size_t(s)] = values[size_t(s)];
            }
        }
    if (style.layout != TiffStyle::Layout::Sixteen)
        return bytes;
    std::vector<uint8_t> wide;
    for (const uint8_t value : bytes)
        wide.insert(wide.end(), {value, value});
    return wide;
}

void writeTiles(TIFF* tiff, const QImage& page, const std::vector<uint8_t>& bytes, int samples)
{
    std::vector<uint8_t> tile(size_t(TIFFTileSize(tiff)));
    for (int top = 0; top < page.height(); top += 16)
        for (int left = 0; left < page.width(); left += 16) {
            std::fill(tile.begin(), tile.end(), 0);
            for (int y = top; y < std::min(top + 16, page.height()); ++y)
                std::copy_n(bytes.data() + (size_t(y) * size_t(page.width()) + size_t(left)) * size_t(samples),
                            size_t(std::min(16, page.width() - left) * samples),
                            tile.data() + size_t(y - top) * 16 * size_t(samples));
            require(TIFFWriteTile(tiff, tile.data(), uint32_t(left), uint32_t(top), 0, 0) >= 0);
        }
}

void writeRows(TIFF* tiff, const QImage& page, std::vector<uint8_t> bytes, const TiffStyle& style)
{
    const int planes = style.layout == TiffStyle::Layout::SeparatePlanes ? samplesOf(style) : 1;
    const size_t rowBytes = size_t(TIFFScanlineSize(tiff));
    for (int plane = 0; plane < planes; ++plane)
        for (int y = 0; y < page.height(); ++y) {
            uint8_t* row = bytes.data() + (size_t(plane) * size_t(page.height()) + size_t(y)) * rowBytes;
            require(TIFFWriteScanline(tiff, row, uint32_t(y), uint16_t(plane)) >= 0);
        }
}

void writePage(TIFF* tiff, const QImage& page, const TiffStyle& style)
{
    writeTags(tiff, page, style);
    if (style.layout == TiffStyle::Layout::Palette)
        writeRows(tiff, page, writePalette(tiff, page), style);
    else if (style.layout == TiffStyle::Layout::Tiles)
        writeTiles(tiff, page, pixelBytes(page, style), samplesOf(style));
    else
        writeRows(tiff, page, pixelBytes(page, style), style);
    require(TIFFWriteDirectory(tiff));
}

} // namespace

void writeTiff(const QString& path, const std::vector<QImage>& pages, const TiffStyle& style)
{
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), style.bigEndian ? "wb" : "wl");
    require(tiff != nullptr);
    for (const QImage& page : pages)
        writePage(tiff, page.convertToFormat(QImage::Format_ARGB32), style);
    TIFFClose(tiff);
}

} // namespace fixtures
