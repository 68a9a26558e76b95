// Finding and decoding the largest preview a camera embedded in a RAW file, or developing the RAW at half
// size when it has none.
#include "picture/raw_preview.h"

#include "picture/allocation_limit.h"
#include "picture/picture_error.h"
#include "picture/raw_flip.h"
#include "platform/regular_file.h"

#include <QFile>
#include <libraw/libraw.h>
#include <memory>

namespace picture {

namespace {

// The toolkit's own types start with a signature no RAW has. They never reach LibRaw, which takes a
// file without a header for a RAW when its length is one of a known camera's.
bool hasToolkitSignature(int descriptor)
{
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return false;
    const QByteArray head = file.read(4);
    return head.startsWith("\xFF\xD8\xFF") || head.startsWith("\x89PNG") || head.startsWith("GIF8") ||
           head.startsWith("BM");
}

// LibRaw reports damaged data on the standard error by default; the caller learns of it by the result.
void ignoreDataError(void*, const char*, int) {}

// LibRaw holding the file, identified as a RAW; null when the file is something else or LibRaw cannot
// open it. The file is checked to be a regular one first and handed over by a name that opens that very
// file.
std::unique_ptr<LibRaw> openRaw(const QString& path)
{
    const platform::RegularFile file(path);
    if (!file.isOpen())
        throw PictureError(path);
    if (hasToolkitSignature(file.descriptor()))
        return nullptr;
    auto raw = std::make_unique<LibRaw>();
    raw->imgdata.params.max_raw_memory_mb = kAllocationLimitMegabytes;
    raw->set_dataerror_handler(ignoreDataError, nullptr);
    // A file LibRaw cannot open is left to the other decoders: a plain TIFF it stumbles on still shows, and
    // a damaged RAW fails there with the same message.
    if (raw->open_file(QFile::encodeName(file.reopenablePath()).constData()) != LIBRAW_SUCCESS)
        return nullptr;
    return raw;
}

// An RGB preview stored as plain pixels, copied out of LibRaw's buffer.
std::optional<QImage> bitmapPreview(const libraw_thumbnail_t& thumbnail)
{
    const QSize size(thumbnail.twidth, thumbnail.theight);
    if (thumbnail.tcolors != 3 || !fitsAllocationLimit(size) ||
        qint64(thumbnail.tlength) < qint64(size.width()) * size.height() * 3)
        return std::nullopt;
    const QImage view(reinterpret_cast<const uchar*>(thumbnail.thumb), size.width(), size.height(), size.width() * 3,
                      QImage::Format_RGB888);
    return view.convertToFormat(QImage::Format_RGB32);
}

// The preview LibRaw picked (for TIFF-based RAWs the largest it found), upright; nothing when it has
// none it can hand over, or one that does not decode.
std::optional<DecodedPicture> preview(LibRaw& raw, QSize box, const QString& path)
{
    if (raw.unpack_thumb() != LIBRAW_SUCCESS)
        return std::nullopt;
    const libraw_thumbnail_t& thumbnail = raw.imgdata.thumbnail;
    const int flip = raw.imgdata.sizes.flip;
    DecodedPicture stored;
    if (thumbnail.tformat == LIBRAW_THUMBNAIL_JPEG) {
        const QByteArray jpeg = QByteArray::fromRawData(thumbnail.thumb, qsizetype(thumbnail.tlength));
        try {
            stored = decodeStoredJpegForBox(jpeg, box, flipTurnsSideways(flip), path);
        } catch (const PictureError&) {
            return std::nullopt;
        }
    } else if (thumbnail.tformat == LIBRAW_THUMBNAIL_BITMAP) {
        std::optional<QImage> bitmap = bitmapPreview(thumbnail);
        if (!bitmap)
            return std::nullopt;
        stored.ownSize = bitmap->size();
        stored.image = std::move(*bitmap);
    } else {
        return std::nullopt;
    }
    const QSize upright = flipTurnsSideways(flip) ? stored.ownSize.transposed() : stored.ownSize;
    return DecodedPicture{turnedByFlip(stored.image, flip), upright};
}

using DevelopedImage = std::unique_ptr<libraw_processed_image_t, decltype(&LibRaw::dcraw_clear_mem)>;

// The raw picture itself, developed at half size (one pixel per colour block, no demosaicing) with
// the camera's white balance. LibRaw turns it upright as it hands it over.
DecodedPicture developed(LibRaw& raw, const QString& path)
{
    raw.imgdata.params.half_size = 1;
    raw.imgdata.params.use_camera_wb = 1;
    const QSize half((raw.imgdata.sizes.width + 1) / 2, (raw.imgdata.sizes.height + 1) / 2);
    if (!fitsAllocationLimit(half) || raw.unpack() != LIBRAW_SUCCESS || raw.dcraw_process() != LIBRAW_SUCCESS)
        throw PictureError(path);
    int error = LIBRAW_SUCCESS;
    const DevelopedImage image(raw.dcraw_make_mem_image(&error), &LibRaw::dcraw_clear_mem);
    if (!image || image->type != LIBRAW_IMAGE_BITMAP || image->colors != 3 || image->bits != 8)
        throw PictureError(path);
    const QImage view(image->data, image->width, image->height, image->width * 3, QImage::Format_RGB888);
    QImage picture = view.convertToFormat(QImage::Format_RGB32);
    const QSize size = picture.size();
    return {std::move(picture), size};
}

} // namespace

std::optional<DecodedPicture> decodeCameraRaw(const QString& path, QSize box)
{
    const std::unique_ptr<LibRaw> raw = openRaw(path);
    if (!raw)
        return std::nullopt;
    if (std::optional<DecodedPicture> shown = preview(*raw, box, path))
        return shown;
    return developed(*raw, path);
}

} // namespace picture
