// Selecting the name box's whole text whenever it takes the focus.
#include "dialogs/name_box.h"

namespace dialogs {

NameBox::NameBox(QWidget* parent) : QLineEdit(parent) {}

void NameBox::SelectAllText()
{
    setSelection(0, static_cast<int>(text().size()));
}

void NameBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    SelectAllText();
}

} // namespace dialogs
