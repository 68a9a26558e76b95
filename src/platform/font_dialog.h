// A font chooser that also offers underline, strikeout and a text colour.
#pragma once

#include "platform/dialogs.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace platform {

// A font chooser with effects: the toolkit's font panel (family, style, size, underline, strikeout)
// beside the sixteen-colour list that the classic font dialog offers for the text colour. It opens on
// the font and colour it is given; Return confirms and Escape cancels wherever the focus is.
class FontDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const FontChoice& start, QWidget* parent = nullptr);

    // What the user chose. A font left as it was shown is the starting font itself: the panel
    // knows only whole point sizes and its own names of the families.
    FontChoice choice() const;

private:
    void selectColor(const QColor& color);

    FontChoice start_;
    QFontDialog* fontPanel_;
    QComboBox* colorList_;
    QFont shownFont_;
};

} // namespace platform
