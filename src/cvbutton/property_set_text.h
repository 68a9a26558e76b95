// The text a form keeps its controls' property sets in.
#pragma once

#include "cvbutton/property_bag.h"

#include <QString>

#include <optional>
#include <vector>

namespace cvbutton {

// The stored properties of one control of a form, under the control's name.
struct PropertySet {
    QString name;
    PropertyBag bag;
};

// Forms keep their controls' property sets as text, one section per control:
//
//     # comment
//     [cvButton1]
//     Caption = "Cancel"
//     Style = 5
//     BackColor = 0x00F0F0F0
//
// Values are decimal or 0x-hexadecimal whole numbers, or text in double quotes with \" \\ \n \r \t
// escapes. Section names and keys are kept as spelled; keys match without regard to case.

// Nothing, with a message naming the line, when the text is malformed.
std::optional<std::vector<PropertySet>> parsePropertySets(const QString& text, QString* error = nullptr);
QString formatPropertySets(const std::vector<PropertySet>& sets);
// Reads and parses a file or a Qt resource (":/...").
std::optional<std::vector<PropertySet>> loadPropertySets(const QString& path, QString* error = nullptr);
// The set of the control with that name (matched without regard to case), or nothing.
const PropertySet* findPropertySet(const std::vector<PropertySet>& sets, const QString& name);

} // namespace cvbutton
