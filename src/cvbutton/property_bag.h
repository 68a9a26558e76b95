// The stored property set of one control: named whole numbers and texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace cvbutton {

// The stored property set of one control: named values whose names match without regard to case.
// Values are whole numbers (kept as 64-bit) or text.
class PropertyBag {
public:
    // The value stored under key, else defaultValue.
    QVariant read(const QString& key, const QVariant& defaultValue) const;
    // Stores value under key, or removes the entry when value equals defaultValue, so that a set
    // only records what differs from the defaults. An invalid defaultValue always stores.
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue = {});

    bool contains(const QString& key) const;
    // The keys in the order they were first stored, spelled as they were stored.
    QStringList keys() const;

private:
    struct Entry {
        QString key;
        QVariant value;
    };

    const Entry* find(const QString& key) const;

    std::vector<Entry> entries_;
};

} // namespace cvbutton
