// The property bag's reads and writes, names matched without regard to case and integers of every width
// stored alike.
#include "cvbutton/property_bag.h"

#include <algorithm>

namespace cvbutton {
namespace {

// Integers of every width compare and store alike, so a 16-bit True equals a stored -1.
QVariant normalised(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return QVariant(qint64{value.toBool() ? -1 : 0});
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QVariant(value.toLongLong());
    default:
        return value;
    }
}

bool sameKey(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    const Entry* entry = find(key);
    return entry != nullptr ? entry->value : defaultValue;
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    const QVariant stored = normalised(value);
    const auto existing =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return sameKey(entry.key, key); });
    if (defaultValue.isValid() && stored == normalised(defaultValue)) {
        if (existing != entries_.end())
            entries_.erase(existing);
        return;
    }
    if (existing != entries_.end())
        existing->value = stored;
    else
        entries_.push_back({key, stored});
}

bool PropertyBag::contains(const QString& key) const
{
    return find(key) != nullptr;
}

QStringList PropertyBag::keys() const
{
    QStringList keys;
    for (const Entry& entry : entries_)
        keys << entry.key;
    return keys;
}

const PropertyBag::Entry* PropertyBag::find(const QString& key) const
{
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return sameKey(entry.key, key); });
    return found != entries_.end() ? &*found : nullptr;
}

} // namespace cvbutton
