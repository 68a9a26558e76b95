// Reading the EXIF and XMP comments with the metadata library.
#include "platform/system_comment.h"

#include "platform/regular_file.h"

#include <QFile>
#include <QStringDecoder>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // the library's headers still use auto_ptr
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace platform {

namespace {

QByteArray rawBytes(const Exiv2::Value& value)
{
    QByteArray bytes(static_cast<qsizetype>(value.size()), Qt::Uninitialized);
    value.copy(reinterpret_cast<Exiv2::byte*>(bytes.data()), Exiv2::littleEndian);
    return bytes;
}

QString withoutTrailingNuls(QString text)
{
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

QString decodeUtf16(const QByteArray& bytes, bool bigEndian)
{
    QStringDecoder decoder(bigEndian ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE);
    return withoutTrailingNuls(decoder.decode(bytes));
}

// XPComment: UTF-16, little-endian whatever the file's byte order, NUL-terminated.
QString xpComment(const Exiv2::ExifData& exif)
{
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Image.XPComment"));
    if (found == exif.end())
        return {};
    return decodeUtf16(rawBytes(found->value()), false);
}

// UTF-16 in UserComment follows the EXIF block's byte order, which the metadata library does not
// report for every container; text of mostly Latin letters shows it by where its zero bytes stand.
bool looksBigEndian(const QByteArray& utf16)
{
    qsizetype zerosFirst = 0, zerosSecond = 0;
    for (qsizetype i = 0; i + 1 < utf16.size(); i += 2) {
        zerosFirst += utf16[i] == 0;
        zerosSecond += utf16[i + 1] == 0;
    }
    return zerosFirst > zerosSecond;
}

// UserComment: an 8-byte character-code prefix, then the text in that code.
QString userComment(const Exiv2::ExifData& exif)
{
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Photo.UserComment"));
    if (found == exif.end())
        return {};
    const QByteArray bytes = rawBytes(found->value());
    if (bytes.size() < 8)
        return {};
    const QByteArray code = bytes.left(8);
    const QByteArray text = bytes.mid(8);
    if (code.startsWith("UNICODE"))
        return decodeUtf16(text, looksBigEndian(text)).trimmed();
    if (code.startsWith("JIS"))
        return {}; // no decoder for it here; showing mojibake would be worse than nothing
    // ASCII, or the undefined code (all NULs) that most writers use for plain text
    return withoutTrailingNuls(QString::fromUtf8(text)).trimmed();
}

QString xmpUserComment(const Exiv2::XmpData& xmp)
{
    const auto found = xmp.findKey(Exiv2::XmpKey("Xmp.exif.UserComment"));
    if (found == xmp.end())
        return {};
    if (const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&found->value())) {
        const auto preferred = alternatives->value_.find("x-default");
        if (preferred != alternatives->value_.end())
            return QString::fromStdString(preferred->second);
        if (!alternatives->value_.empty())
            return QString::fromStdString(alternatives->value_.begin()->second);
        return {};
    }
    return QString::fromStdString(found->value().toString());
}

} // namespace

QString readEmbeddedSystemComment(const QString& path)
{
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    const RegularFile file(path); // never waits on a named pipe put where a picture was
    if (!file.isOpen())
        return {};
    try {
        auto image = Exiv2::ImageFactory::open(std::string(QFile::encodeName(file.reopenablePath()).constData()));
        if (image.get() == nullptr)
            return {};
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        QString comment = xpComment(exif);
        if (comment.isEmpty())
            comment = userComment(exif);
        if (comment.isEmpty())
            comment = xmpUserComment(image->xmpData());
        return comment;
    } catch (const std::exception&) {
        return {}; // a file the reader cannot parse simply has no comment to show
    }
}

} // namespace platform
