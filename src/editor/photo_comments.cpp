// Loading the photo comment into the comment box.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "session/photo_comment_io.h"

#include <QRadioButton>

namespace editor {

void Corvane::dllcomments()
{
    text2_->setReadOnly(false);
    text2_->clear();
    if (state_.CurrentFilePath.isEmpty())
        return;
    if (option2_->isChecked()) {
        optiontwo();
        return;
    }
    text2_->setPlainText(session::readPhotoComment(services_.comments, state_.CurrentFilePath));
    rememberLoaded();
}

} // namespace editor
