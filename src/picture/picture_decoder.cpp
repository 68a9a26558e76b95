// Decoding picture files with Qt's readers, the codec libraries and LibRaw's previews, upright and within the allocation limit.
#include "picture/picture_decoder.h"

#include "picture/allocation_limit.h"
#include "picture/codec_picture.h"
#include "picture/fit_geometry.h"
#include "picture/picture_error.h"
#include "picture/raw_preview.h"
#include "picture/reduced_decode.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace picture {

namespace {

// The limit is a process-wide setting of the toolkit, set once before the first read: pictures are
// read on more than one thread, and a setting written while another thread reads it is a data race.
void limitAllocations()
{
    static const bool limited = [] {
        QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
        return true;
    }();
    Q_UNUSED(limited);
}

// The type is taken from the content, not the name: a PNG saved as .jpg still shows.
// The file is opened without waiting (a named pipe in a picture's place would block an ordinary
// open) and only a regular file is read.
void prepare(QImageReader& reader, QFile& file, const QString& path)
{
    limitAllocations();
    platform::RegularFile opened(path);
    if (!opened.isOpen() || !file.open(opened.descriptor(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw PictureError(path);
    opened.release(); // the file closes it from now on
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setDevice(&file);
}

QImage readFirstFrame(QImageReader& reader, const QString& path)
{
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw PictureError(path);
    return image;
}

bool turnsSideways(const QImageReader& reader)
{
    return (reader.transformation() & QImageIOHandler::TransformationRotate90) != 0;
}

// The shrunk size to ask the decoder for, when its type can shrink while decoding (invalid if not).
// A PNG is only shrunk when it is plain 8-bit RGB: the decoder averages colours without weighting
// them by alpha, and its shrinking path is made for 8-bit channels.
QSize reducedSizeFor(const QImageReader& reader, QSize stored, QSize fitted)
{
    if (reader.format() == "jpeg")
        return dctReducedSize(stored, fitted);
    if (reader.format() == "png" && reader.imageFormat() == QImage::Format_RGB32)
        return areaReducedSize(stored, fitted);
    return QSize();
}

// Asks the decoder for a shrunk picture when the fit allows it, and returns the picture's full
// upright size (invalid when the header gives none).
QSize requestReduced(QImageReader& reader, QSize box, bool sideways)
{
    const QSize stored = reader.size();
    if (stored.isEmpty())
        return QSize();
    const QSize upright = sideways ? stored.transposed() : stored;
    if (box.isEmpty())
        return upright;
    const QSize fitted = fittedRect(upright, box, true).size();
    const QSize request = reducedSizeFor(reader, stored, sideways ? fitted.transposed() : fitted);
    if (request.isValid())
        reader.setScaledSize(request);
    return upright;
}

} // namespace

DecodedPicture decodeAtOwnSize(const QString& path)
{
    if (std::optional<DecodedPicture> coded = decodeWithCodecLibrary(path))
        return std::move(*coded);
    if (std::optional<DecodedPicture> raw = decodeCameraRaw(path, QSize()))
        return std::move(*raw);
    QFile file;
    QImageReader reader;
    prepare(reader, file, path);
    QImage image = readFirstFrame(reader, path);
    const QSize ownSize = image.size();
    return {std::move(image), ownSize};
}

DecodedPicture decodeForBox(const QString& path, QSize box)
{
    if (std::optional<DecodedPicture> coded = decodeWithCodecLibrary(path))
        return std::move(*coded);
    if (std::optional<DecodedPicture> raw = decodeCameraRaw(path, box))
        return std::move(*raw);
    QFile file;
    QImageReader reader;
    prepare(reader, file, path);
    const QSize upright = requestReduced(reader, box, turnsSideways(reader));
    QImage image = readFirstFrame(reader, path);
    const QSize ownSize = upright.isValid() ? upright : image.size();
    return {std::move(image), ownSize};
}

DecodedPicture decodeStoredJpegForBox(const QByteArray& jpeg, QSize box, bool sideways, const QString& path)
{
    limitAllocations();
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    const QSize upright = requestReduced(reader, box, sideways);
    QImage image = readFirstFrame(reader, path);
    const QSize stored = upright.isValid() ? (sideways ? upright.transposed() : upright) : image.size();
    return {std::move(image), stored};
}

} // namespace picture
