// Reading and writing the control's values in the forms it stores them: numbers, booleans, colours, fonts
// and pictures.
#include "cvbutton/stored_values.h"

#include <limits>

namespace cvbutton::stored {
namespace {

std::optional<std::int64_t> integerAt(const PropertyBag& bag, const QString& key)
{
    const QVariant value = bag.read(key, {});
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

template<typename Integer>
Integer readRanged(const PropertyBag& bag, const QString& key, Integer defaultValue)
{
    const std::optional<std::int64_t> value = integerAt(bag, key);
    if (!value || *value < std::numeric_limits<Integer>::min() || *value > std::numeric_limits<Integer>::max())
        return defaultValue;
    return static_cast<Integer>(*value);
}

std::optional<QString> textAt(const PropertyBag& bag, const QString& key)
{
    const QVariant value = bag.read(key, {});
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

} // namespace

std::int32_t readInt32(const PropertyBag& bag, const QString& key, std::int32_t defaultValue)
{
    return readRanged(bag, key, defaultValue);
}

std::int16_t readInt16(const PropertyBag& bag, const QString& key, std::int16_t defaultValue)
{
    return readRanged(bag, key, defaultValue);
}

bool readBool(const PropertyBag& bag, const QString& key, bool defaultValue)
{
    const std::optional<std::int64_t> value = integerAt(bag, key);
    return value ? *value != 0 : defaultValue;
}

// Colours are 32-bit patterns: stored signed (an OLE colour as a negative number) or unsigned.
platform::Colorref readColor(const PropertyBag& bag, const QString& key, platform::Colorref defaultValue)
{
    const std::optional<std::int64_t> value = integerAt(bag, key);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::uint32_t>::max())
        return defaultValue;
    return static_cast<platform::Colorref>(*value);
}

QString readText(const PropertyBag& bag, const QString& key, const QString& defaultValue)
{
    return textAt(bag, key).value_or(defaultValue);
}

QFont readFont(const PropertyBag& bag, const QString& key, const QFont& defaultValue)
{
    const std::optional<QString> description = textAt(bag, key);
    QFont font;
    if (!description || !font.fromString(*description))
        return defaultValue;
    return font;
}

IconPicture readPicture(const PropertyBag& bag, const QString& key)
{
    return IconPicture::fromStoredText(textAt(bag, key).value_or(QString()));
}

void writeInteger(PropertyBag& bag, const QString& key, std::int64_t value, std::optional<std::int64_t> defaultValue)
{
    bag.write(key, QVariant(qint64{value}), defaultValue ? QVariant(qint64{*defaultValue}) : QVariant());
}

void writeBool(PropertyBag& bag, const QString& key, bool value, bool defaultValue)
{
    writeInteger(bag, key, value ? -1 : 0, defaultValue ? -1 : 0);
}

void writeColor(PropertyBag& bag, const QString& key, platform::Colorref value, platform::Colorref defaultValue)
{
    writeInteger(bag, key, value, defaultValue);
}

void writeText(PropertyBag& bag, const QString& key, const QString& value, std::optional<QString> defaultValue)
{
    bag.write(key, value, defaultValue ? QVariant(*defaultValue) : QVariant());
}

void writeFont(PropertyBag& bag, const QString& key, const QFont& value)
{
    bag.write(key, value.toString());
}

void writePicture(PropertyBag& bag, const QString& key, const IconPicture& value)
{
    bag.write(key, value.toStoredText());
}

} // namespace cvbutton::stored
