// The forms' buttons, made from their stored property sets.
#pragma once

#include "cvbutton/property_set_text.h"

#include <QString>

#include <vector>

class QWidget;

namespace cvbutton {
class WidgetHost;
}

namespace dialogs {

// The stored property sets of a form's buttons, read from the form's resource.
std::vector<cvbutton::PropertySet> loadFormButtons(const QString& resource);

// A button of a form at its place in twips, its properties read from the form's stored set of
// that name.
cvbutton::WidgetHost* addStoredButton(QWidget& form, const std::vector<cvbutton::PropertySet>& sets,
                                      const QString& name, int left, int top, int width, int height);

} // namespace dialogs
