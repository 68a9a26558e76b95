// NameBox: the Rename dialog's name box.
#pragma once

#include <QLineEdit>

namespace dialogs {

// The box the new name is typed into. Whenever it takes the focus its whole text is selected, so
// typing replaces the name.
class NameBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

    void SelectAllText();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace dialogs
