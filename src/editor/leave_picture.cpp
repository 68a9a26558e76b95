// Before the comment box takes another picture's comment, or the other kind of comment: typing that
// no save holds is offered for saving first, in the form of the close check's question. Typing is
// never dropped without a question, not even when another program moved the picture away.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace editor {

using platform::MessageAnswer;
using platform::paths::nameOf;

// Only a photo comment can be typed: the desktop's comment is shown read-only.
bool Corvane::hasUnsavedTyping() const
{
    return !text2_->isReadOnly() && session_.holdsUnsavedTyping(text2_->toPlainText());
}

// Another program may have renamed the picture while the user typed. Where the picture can still be
// found in its folder, the window takes its new name, as after a rename of its own, and `renamed`
// says so for the question that follows. False when no file is there to take the typing.
bool Corvane::followRenamedPicture(QString& renamed)
{
    const QString path = session_.CurrentFilePath();
    if (services_.files.exists(path))
        return true;
    const QString newPath = session_.loadedFile().renamedTo();
    if (newPath.isEmpty())
        return false;
    renamed = tr("%1 was renamed to %2 by another program.\n").arg(nameOf(path), nameOf(newPath));
    session_.renamed(path, newPath);
    text1_->setText(newPath);
    return true;
}

bool Corvane::mayDropTyping()
{
    if (session_.loadedPictureTrashed())
        return true; // the user put the picture in the trash, and its typing with it
    const MessageAnswer answer = services_.dialogs.messageBox(
        tr("%1 is no longer there: it was moved away or deleted since its comment was loaded, so the typing "
           "has no file to go into.\nLeave the typing behind? It will be lost.")
            .arg(nameOf(session_.CurrentFilePath())),
        QString::fromLatin1(kAppTitle), platform::MessageIcon::Warning, platform::MessageButtons::YesNoDefaultNo);
    return answer == MessageAnswer::Yes;
}

bool Corvane::mayLeavePicture()
{
    while (hasUnsavedTyping()) {
        QString renamed;
        if (!followRenamedPicture(renamed))
            return mayDropTyping();
        const QString asked = session_.CurrentFilePath();
        const MessageAnswer answer = services_.dialogs.messageBox(
            renamed + tr("Do you want to save changes to %1 before moving on?").arg(nameOf(asked)),
            QString::fromLatin1(kAppTitle), platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::No)
            return true;
        if (answer != MessageAnswer::Yes)
            return false;
        // A Yes belongs to the picture it was asked about: when the window came to show another one
        // while the question was open, the question is asked again about that one.
        if (session_.CurrentFilePath() == asked)
            return checkfilevalid(); // a failed save has said why; the typing stays for another try
    }
    return true;
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
