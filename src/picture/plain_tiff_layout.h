// How the first page of a plain TIFF stores its pixels.
#pragma once

#include <QSize>
#include <optional>
#include <tiffio.h>

namespace picture {

// How the first page of a plain TIFF stores its pixels: 8-bit RGB, optionally with an alpha sample,
// interleaved in strips, upright, compressed in a way that decodes row by row. Such a page can be
// read a scanline at a time, from any strip, with its own handle per thread.
struct PlainTiffLayout {
    enum class Alpha { None, Premultiplied, Straight };

    QSize size;
    Alpha alpha = Alpha::None;
    uint32_t rowsPerStrip = 0;

    int samplesPerPixel() const { return alpha == Alpha::None ? 3 : 4; }
    bool operator==(const PlainTiffLayout&) const = default;
};

// The page's layout when it is plain and its pixels fit the allocation limit; nothing for anything
// else (palettes, grey, other depths, separate planes, tiles, JPEG inside, turned or mirrored pages,
// BigTIFF), which is left to the general decoder.
std::optional<PlainTiffLayout> plainTiffLayout(TIFF* tiff);

} // namespace picture
