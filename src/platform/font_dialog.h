#pragma once

#include "platform/dialogs.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace platform {

// A font chooser with effects: the toolkit's font panel (family, style, size, underline, strikeout)
// beside the sixteen-colour list that the classic font dialog offers for the text colour.
class FontDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget* parent = nullptr);

    FontChoice choice() const;

private:
    QFontDialog* fontPanel_;
    QComboBox* colorList_;
};

} // namespace platform
