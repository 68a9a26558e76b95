// Before the comment box takes another picture's comment, or the other kind of comment: typing that
// no save holds is offered for saving first, in the form of the close check's question.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace editor {

using platform::MessageAnswer;

// Only a photo comment can be typed: the desktop's comment is shown read-only. Typing for a file
// that is gone has nowhere to go, as at closing.
bool Corvane::hasUnsavedTyping() const
{
    if (text2_->isReadOnly())
        return false;
    const QString text = text2_->toPlainText();
    if (text == state_.LoadedComment || text == state_.SavedComment)
        return false;
    return services_.files.exists(state_.CurrentFilePath);
}

bool Corvane::mayLeavePicture()
{
    if (!hasUnsavedTyping())
        return true;
    const MessageAnswer answer = services_.dialogs.messageBox(
        tr("Do you want to save changes to %1 before moving on?").arg(platform::paths::nameOf(state_.CurrentFilePath)),
        QString::fromLatin1(kAppTitle), platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel);
    switch (answer) {
    case MessageAnswer::Yes:
        return checkfilevalid(); // a failed save has said why; the typing stays for another try
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

// The radio button has already moved when this runs; staying puts it back without reloading the box.
void Corvane::switchToWindowsComments()
{
    if (mayLeavePicture()) {
        Option2_Click();
        return;
    }
    const QSignalBlocker blockOne(option1_);
    const QSignalBlocker blockTwo(option2_);
    option1_->setChecked(true);
}

} // namespace editor
