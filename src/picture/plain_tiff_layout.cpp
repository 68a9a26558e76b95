// Telling whether a TIFF's first page is plain enough to be read strip by strip.
#include "picture/plain_tiff_layout.h"

#include "picture/allocation_limit.h"

namespace picture {

namespace {

template<typename T>
std::optional<T> field(TIFF* tiff, ttag_t tag)
{
    T value{};
    if (!TIFFGetFieldDefaulted(tiff, tag, &value))
        return std::nullopt;
    return value;
}

bool decodesRowByRow(uint16_t compression)
{
    switch (compression) {
    case COMPRESSION_NONE:
    case COMPRESSION_LZW:
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE:
    case COMPRESSION_PACKBITS:
        return true;
    default:
        return false;
    }
}

bool isPlainRgb(TIFF* tiff)
{
    uint16_t photometric = 0;
    return TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) && photometric == PHOTOMETRIC_RGB &&
           field<uint16_t>(tiff, TIFFTAG_BITSPERSAMPLE) == 8 &&
           field<uint16_t>(tiff, TIFFTAG_SAMPLEFORMAT) == SAMPLEFORMAT_UINT &&
           field<uint16_t>(tiff, TIFFTAG_PLANARCONFIG) == PLANARCONFIG_CONTIG &&
           field<uint16_t>(tiff, TIFFTAG_ORIENTATION) == ORIENTATION_TOPLEFT &&
           decodesRowByRow(field<uint16_t>(tiff, TIFFTAG_COMPRESSION).value_or(0)) && !TIFFIsTiled(tiff) &&
           !TIFFIsBigTIFF(tiff);
}

// Three samples are plain RGB; a fourth must be declared alpha, premultiplied or not.
std::optional<PlainTiffLayout::Alpha> alphaOf(TIFF* tiff)
{
    const uint16_t samples = field<uint16_t>(tiff, TIFFTAG_SAMPLESPERPIXEL).value_or(0);
    uint16_t extraCount = 0;
    uint16_t* extraKinds = nullptr;
    if (!TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds))
        return std::nullopt;
    if (samples == 3 && extraCount == 0)
        return PlainTiffLayout::Alpha::None;
    if (samples != 4 || extraCount != 1)
        return std::nullopt;
    if (extraKinds[0] == EXTRASAMPLE_ASSOCALPHA)
        return PlainTiffLayout::Alpha::Premultiplied;
    if (extraKinds[0] == EXTRASAMPLE_UNASSALPHA)
        return PlainTiffLayout::Alpha::Straight;
    return std::nullopt;
}

} // namespace

std::optional<PlainTiffLayout> plainTiffLayout(TIFF* tiff)
{
    if (!isPlainRgb(tiff))
        return std::nullopt;
    const std::optional<PlainTiffLayout::Alpha> alpha = alphaOf(tiff);
    const uint32_t width = field<uint32_t>(tiff, TIFFTAG_IMAGEWIDTH).value_or(0);
    const uint32_t height = field<uint32_t>(tiff, TIFFTAG_IMAGELENGTH).value_or(0);
    const uint32_t rowsPerStrip = field<uint32_t>(tiff, TIFFTAG_ROWSPERSTRIP).value_or(0);
    if (!alpha || width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX || rowsPerStrip == 0)
        return std::nullopt;
    PlainTiffLayout layout{QSize(int(width), int(height)), *alpha, rowsPerStrip};
    if (!fitsAllocationLimit(layout.size) ||
        TIFFScanlineSize64(tiff) != uint64_t(width) * uint64_t(layout.samplesPerPixel()))
        return std::nullopt;
    return layout;
}

} // namespace picture
