// Typed access to a property bag in the forms the control stores its values in.
#pragma once

#include "cvbutton/icon_picture.h"
#include "cvbutton/property_bag.h"
#include "platform/system_colors.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>

// Typed access to a property bag in the forms the control stores its values in: whole numbers,
// booleans as -1 and 0, colours as their 32-bit value, fonts and pictures as text. A stored value
// that cannot stand for the type asked for (text where a number belongs, a number out of range)
// reads as the default, so one damaged entry does not cost the rest of the set.
namespace cvbutton::stored {

std::int32_t readInt32(const PropertyBag& bag, const QString& key, std::int32_t defaultValue);
std::int16_t readInt16(const PropertyBag& bag, const QString& key, std::int16_t defaultValue);
bool readBool(const PropertyBag& bag, const QString& key, bool defaultValue);
platform::Colorref readColor(const PropertyBag& bag, const QString& key, platform::Colorref defaultValue);
QString readText(const PropertyBag& bag, const QString& key, const QString& defaultValue);
QFont readFont(const PropertyBag& bag, const QString& key, const QFont& defaultValue);
IconPicture readPicture(const PropertyBag& bag, const QString& key);

// A missing default means the value is always stored.
void writeInteger(PropertyBag& bag, const QString& key, std::int64_t value,
                  std::optional<std::int64_t> defaultValue = std::nullopt);
void writeBool(PropertyBag& bag, const QString& key, bool value, bool defaultValue);
void writeColor(PropertyBag& bag, const QString& key, platform::Colorref value, platform::Colorref defaultValue);
void writeText(PropertyBag& bag, const QString& key, const QString& value,
               std::optional<QString> defaultValue = std::nullopt);
void writeFont(PropertyBag& bag, const QString& key, const QFont& value);
void writePicture(PropertyBag& bag, const QString& key, const IconPicture& value);

} // namespace cvbutton::stored
