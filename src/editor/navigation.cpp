// Next File and Previous File, and what the window says when a path names no file to go on from. What a
// step shows is in view_file.cpp.
#include "editor/main_window.h"

#include "editor/file_kind_text.h"
#include "platform/dialogs.h"
#include "platform/files.h"

#include <QLineEdit>

namespace editor {

using session::Direction;

void Corvane::Text1_Change()
{
    session_.setCurrentFilePath(text1_->text());
}

void Corvane::reportFileNotFound()
{
    services_.dialogs.messageBox(QStringLiteral(" File not found."), QStringLiteral("Error"),
                                 platform::MessageIcon::Information);
}

void Corvane::reportNotFound(const QString& path)
{
    if (!reportNotAFile(path))
        reportFileNotFound();
}

bool Corvane::reportNotAFile(const QString& path)
{
    const QString message = notAFileMessage(path, services_.files.kindOf(path));
    if (!message.isEmpty())
        services_.dialogs.messageBox(message, QStringLiteral("Error"), platform::MessageIcon::Information);
    return !message.isEmpty();
}

void Corvane::Command2_Click()
{
    if (!mayLeavePicture())
        return;
    if (!session_.step(Direction::Next)) {
        reportNotFound(session_.stepsFrom());
        return;
    }
    showStep();
}

void Corvane::Command3_Click()
{
    if (!mayLeavePicture())
        return;
    if (!session_.step(Direction::Previous)) {
        reportNotFound(session_.stepsFrom());
        return;
    }
    showStep();
}

} // namespace editor
