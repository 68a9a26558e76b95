// The gallery's columns and the property sets its buttons are read from.
#pragma once

#include "cvbutton/property_bag.h"

#include <QString>

namespace gallery {

// The columns of the gallery: what each control of a row shows.
enum class Column { Push, Check, Disabled, Icon };

QString controlName(int style, Column column);
// The stored property set a control of the given style and column is read from, tooltip
// included: rectangular and balloon tips, with and without title and icon, own colours.
cvbutton::PropertyBag controlProperties(int style, Column column);

} // namespace gallery
