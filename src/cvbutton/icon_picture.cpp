// Loading a button's picture from a file or resource, and writing it to and reading it from its stored
// text.
#include "cvbutton/icon_picture.h"

#include <QBuffer>
#include <QByteArray>

namespace cvbutton {
namespace {

const QString kIconPrefix = QStringLiteral("icon:");
const QString kBitmapPrefix = QStringLiteral("bitmap:");
const QString kDataPrefix = QStringLiteral("data:");

QString pngInBase64(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QString::fromLatin1(bytes.toBase64());
}

} // namespace

IconPicture::IconPicture(QImage image, Type type, QString source)
    : image_(std::move(image)), type_(type), source_(std::move(source))
{
}

IconPicture IconPicture::load(const QString& path, Type type)
{
    QImage image(path);
    if (image.isNull())
        return {};
    return IconPicture(std::move(image), type, path);
}

QString IconPicture::toStoredText() const
{
    if (!hasHandle())
        return {};
    const QString prefix = type_ == TypeBitmap ? kBitmapPrefix : kIconPrefix;
    return prefix + (source_.isEmpty() ? kDataPrefix + pngInBase64(image_) : source_);
}

IconPicture IconPicture::fromStoredText(const QString& text)
{
    const bool bitmap = text.startsWith(kBitmapPrefix);
    if (!bitmap && !text.startsWith(kIconPrefix))
        return {};
    const Type type = bitmap ? TypeBitmap : TypeIcon;
    const QString source = text.mid(bitmap ? kBitmapPrefix.size() : kIconPrefix.size());
    if (!source.startsWith(kDataPrefix))
        return load(source, type);
    QImage image = QImage::fromData(QByteArray::fromBase64(source.mid(kDataPrefix.size()).toLatin1()), "PNG");
    return image.isNull() ? IconPicture() : IconPicture(std::move(image), type);
}

bool IconPicture::operator==(const IconPicture& other) const
{
    return type() == other.type() && image_ == other.image_;
}

} // namespace cvbutton
