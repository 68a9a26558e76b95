// The faces the forms name, with metric-compatible stand-ins where a face is missing.
#pragma once

class QFont;

namespace dialogs {

// The faces the forms name. Each keeps its own family name; where the face itself is missing, the
// sans-serif faces of the forms' labels and boxes fall back to the metric-compatible one the
// set-up installs, so their texts fit the boxes laid out for them.
QFont formFont(const char* family, double pointSize, bool bold = false);

} // namespace dialogs
