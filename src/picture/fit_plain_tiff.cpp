// Fitting a plain TIFF strip by strip straight into the resampler, its two halves on two threads.
#include "picture/fit_plain_tiff.h"

#include "picture/bicubic_resampler.h"
#include "picture/color_ref.h"
#include "picture/filled_bitmap.h"
#include "picture/fit_geometry.h"
#include "picture/render_fitted.h"
#include "picture/tiff_rows.h"

namespace picture {

namespace {

std::optional<PlainTiffLayout> readLayout(const QString& path)
{
    const TiffHandle tiff = openTiffQuietly(path);
    return tiff ? plainTiffLayout(tiff.get()) : std::nullopt;
}

// A band starting mid-strip decodes that strip from its top and throws the rows above away, so two
// bands only pay when strips are short against the picture.
bool splitsWell(const PlainTiffLayout& layout)
{
    return uint64_t(layout.rowsPerStrip) * 4 <= uint64_t(layout.size.height());
}

} // namespace

PicturePtr fitPlainTiff(const QString& path, QSize box, uint32_t backColor)
{
    const std::optional<PlainTiffLayout> layout = readLayout(path);
    if (!layout)
        return nullptr;
    QImage bitmap = CreateFilledBitmap(box, backColor);
    if (bitmap.isNull())
        return nullptr;
    const QRgb background = rgbFromColorRef(backColor);
    const auto makeRows = [&] { return std::make_unique<TiffRows>(path, *layout, background); };
    if (!drawBicubicFromRows(layout->size, makeRows, splitsWell(*layout), bitmap, fittedRect(layout->size, box, true)))
        return nullptr;
    return BitmapToPicture(std::move(bitmap));
}

} // namespace picture
