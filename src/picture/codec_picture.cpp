// Telling HEIF, AVIF and JPEG XL files by their content and handing each to its codec library.
#include "picture/codec_picture.h"

#include "picture/allocation_limit.h"
#include "picture/codec_signature.h"
#include "picture/heif_picture.h"
#include "picture/jxl_picture.h"
#include "picture/picture_error.h"
#include "platform/regular_file.h"

#include <QFile>

namespace picture {

namespace {

// The whole JPEG XL file, which the decoder takes at once; a file larger than the pixels it may
// decode to is refused before it is read.
QByteArray wholeFile(QFile& file, const QString& path)
{
    if (!file.seek(0) || file.size() > qint64(kAllocationLimitMegabytes) * 1024 * 1024)
        throw PictureError(path);
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw PictureError(path);
    return bytes;
}

} // namespace

std::optional<DecodedPicture> decodeWithCodecLibrary(const QString& path)
{
    const platform::RegularFile opened(path);
    QFile file;
    if (!opened.isOpen() || !file.open(opened.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw PictureError(path);
    switch (codecKindOf(file.read(kCodecSignatureBytes))) {
    case CodecKind::Heif:
        return decodeHeif(opened.reopenablePath(), path);
    case CodecKind::JpegXl:
        return decodeJxl(wholeFile(file, path), path);
    case CodecKind::None:
        break;
    }
    return std::nullopt;
}

} // namespace picture
