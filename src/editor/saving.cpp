// Save Comments, and the check for unsaved edits when the window closes.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "platform/comment_library.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "session/photo_comment_io.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace editor {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

void Corvane::reportSaveFailure(int32_t status)
{
    const QString why = status == session::kTextHoldsNul
                            ? tr("The comment holds a NUL character, after which the file would keep nothing.")
                            : services_.comments.describe(status);
    services_.dialogs.messageBox(tr("The comment could not be saved in %1.\n%2").arg(session_.CurrentFilePath(), why),
                                 QStringLiteral("Error"), MessageIcon::Error);
}

bool Corvane::confirmWriteTarget()
{
    const QString path = session_.CurrentFilePath();
    const session::LoadedFile& loaded = session_.loadedFile();
    if (loaded.stillNamedBy(path))
        return true;
    // The path box may have been edited to name another file than the picture shown, or the picture's
    // path may have come to name another file; either way a Yes writes into a file the user has not seen.
    const QString question =
        path != loaded.path()
            ? tr("The path box names %1, which is not the picture shown (%2).\nSave the comment into %1?")
                  .arg(path, loaded.path())
            : tr("%1 is no longer the file this comment was loaded from: it was moved or replaced since.\n"
                 "Save the comment into the file that is there now?")
                  .arg(path);
    const MessageAnswer answer = services_.dialogs.messageBox(question, QString::fromLatin1(kAppTitle),
                                                              MessageIcon::Warning, MessageButtons::YesNoDefaultNo);
    return answer == MessageAnswer::Yes;
}

int32_t Corvane::savechanges()
{
    return session_.save(text2_->toPlainText());
}

void Corvane::reportPartialSave(int32_t status)
{
    const QString what =
        status == platform::CommentLibrary::kSidecarLeftBehind
            ? tr("The comment was saved in %1, but the XMP sidecar beside it could not be updated, so programs "
                 "that read the sidecar still show its old caption.\n%2")
            : tr("The comment was saved in %1, but not every caption field of the file could hold the whole "
                 "text, so other photo programs may show it cut short or not at all.\n%2");
    services_.dialogs.messageBox(what.arg(session_.CurrentFilePath(), services_.comments.describe(status)),
                                 QString::fromLatin1(kAppTitle), MessageIcon::Warning);
}

// A camera RAW file is never written into: its comment goes into the XMP sidecar beside it, which the
// message names.
QString Corvane::savedMessage(const QString& path)
{
    const QString captionFile = services_.comments.captionFile(path);
    if (captionFile == path)
        return QStringLiteral(" Comments saved.");
    return tr(" Comments saved in %1.").arg(QFileInfo(captionFile).fileName());
}

std::optional<int32_t> Corvane::saveExistingFile()
{
    if (!confirmWriteTarget())
        return std::nullopt;
    const int32_t status = savechanges();
    if (status < 0) {
        reportSaveFailure(status);
        return std::nullopt;
    }
    if (session::savedPartly(status))
        reportPartialSave(status);
    return status;
}

bool Corvane::checkfilevalid()
{
    if (!services_.files.exists(session_.CurrentFilePath())) {
        reportFileNotFound();
        return false;
    }
    return saveExistingFile().has_value();
}

void Corvane::Command5_Click()
{
    const QString title = QString::fromLatin1(kAppTitle);
    if (text1_->text().isEmpty()) {
        services_.dialogs.messageBox(QStringLiteral("Please enter a valid file path."), title,
                                     MessageIcon::Information);
        return;
    }
    if (!services_.files.exists(session_.CurrentFilePath())) {
        reportFileNotFound();
        return;
    }
    if (option2_->isChecked()) {
        services_.dialogs.messageBox(QStringLiteral(" Please select Photo comments option to save comments."),
                                     QLatin1Char(' ') + title, MessageIcon::Information);
        return;
    }
    if (session_.unchangedSinceLoad(text2_->toPlainText())) {
        services_.dialogs.messageBox(QStringLiteral("No changes made."), QLatin1Char(' ') + title,
                                     MessageIcon::Information);
        return;
    }
    // The file's presence was checked above; the messages before this point write nothing to it. A save
    // that left a caption field without the text has said so instead.
    const QString path = session_.CurrentFilePath();
    const std::optional<int32_t> saved = saveExistingFile();
    if (saved && !session::savedPartly(*saved) && option1_->isChecked())
        services_.dialogs.messageBox(savedMessage(path), QStringLiteral(" Comments"), MessageIcon::Information);
}

bool Corvane::Form_Unload()
{
    if (!hasUnsavedTyping())
        return false;
    QString renamed;
    if (!followRenamedPicture(renamed))
        return !mayDropTyping();

    const MessageAnswer answer = services_.dialogs.messageBox(
        renamed + QStringLiteral("Do you want to save changes before closing?"), QString::fromLatin1(kAppTitle),
        MessageIcon::Question, MessageButtons::YesNoCancel);
    switch (answer) {
    case MessageAnswer::Yes:
        if (!services_.files.exists(session_.CurrentFilePath()))
            return !mayDropTyping();
        return !saveExistingFile().has_value(); // nothing written: the window stays so the edits are not lost
    case MessageAnswer::Cancel:
        return true;
    default:
        return false;
    }
}

void Corvane::closeEvent(QCloseEvent* event)
{
    bool staysOpen = false;
    runCommand([&] { staysOpen = Form_Unload(); });
    if (staysOpen)
        event->ignore();
    else
        event->accept();
}

} // namespace editor
