// Loading the photo comment into the comment box.
#include "editor/main_window.h"

#include "editor/comment_box.h"

#include <QRadioButton>

namespace editor {

void Corvane::dllcomments()
{
    text2_->setReadOnly(false);
    text2_->clear();
    if (session_.CurrentFilePath().isEmpty())
        return;
    if (option2_->isChecked()) {
        optiontwo();
        return;
    }
    text2_->setPlainText(session_.loadedComment());
    rememberLoaded();
}

// What the box gives back, not what the library read, counts as loaded: the box hands some characters
// back changed (a no-break space comes back as a plain space), and typing is told from what it gives back.
void Corvane::rememberLoaded()
{
    session_.rememberLoaded(text2_->toPlainText());
}

} // namespace editor
