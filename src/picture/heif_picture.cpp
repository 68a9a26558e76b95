// Decoding a HEIF or AVIF file's primary picture with libheif into an 8-bit bitmap.
#include "picture/heif_picture.h"

#include "picture/allocation_limit.h"
#include "picture/picture_error.h"

#include <QFile>
#include <libheif/heif.h>
#include <memory>

namespace picture {

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;

Handle primaryHandle(heif_context* context, const QString& readablePath, const QString& path)
{
    if (heif_context_read_from_file(context, QFile::encodeName(readablePath).constData(), nullptr).code !=
        heif_error_Ok)
        throw PictureError(path);
    heif_image_handle* handle = nullptr;
    if (heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok)
        throw PictureError(path);
    return Handle(handle);
}

// Asks for 8-bit interleaved samples, so a 10- or 12-bit picture comes down to 8 bits in the decoder.
Image decodedPixels(heif_image_handle* handle, bool alpha, const QString& path)
{
    const std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* image = nullptr;
    const heif_chroma chroma = alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    if (heif_decode_image(handle, &image, heif_colorspace_RGB, chroma, options.get()).code != heif_error_Ok)
        throw PictureError(path);
    return Image(image);
}

QImage bitmapOf(const heif_image* image, bool alpha, const QString& path)
{
    const int width = heif_image_get_width(image, heif_channel_interleaved);
    const int height = heif_image_get_height(image, heif_channel_interleaved);
    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
    if (!pixels || !fitsAllocationLimit(QSize(width, height)))
        throw PictureError(path);
    const QImage view(pixels, width, height, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QImage bitmap = view.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (bitmap.isNull())
        throw PictureError(path);
    return bitmap;
}

} // namespace

DecodedPicture decodeHeif(const QString& readablePath, const QString& path)
{
    const Context context(heif_context_alloc());
    if (!context)
        throw PictureError(path);
    const Handle handle = primaryHandle(context.get(), readablePath, path);
    // The handle's size is the picture's after turning and cropping: refused before any pixel is decoded.
    const QSize upright(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()));
    if (!fitsAllocationLimit(upright))
        throw PictureError(path);
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    const Image image = decodedPixels(handle.get(), alpha, path);
    QImage bitmap = bitmapOf(image.get(), alpha, path);
    const QSize ownSize = bitmap.size();
    return {std::move(bitmap), ownSize};
}

} // namespace picture
