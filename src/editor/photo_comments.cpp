// Loading the photo comment into the comment box, and writing the box back into the file.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "editor/photo_comment_io.h"

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
    text2_->setPlainText(readPhotoComment(services_.comments, state_.CurrentFilePath));
    rememberLoaded();
}

int32_t Corvane::savechanges()
{
    const QString path = state_.CurrentFilePath;
    const QString text = text2_->toPlainText();
    const int32_t status = writePhotoComment(services_.comments, path, text);
    if (status >= 0) {
        state_.SavedComment = text;
        loadedFile_.remember(path); // a save puts a new file in the old one's place
    }
    return status;
}

} // namespace editor
