// The Copy File and Delete File commands.
#include "editor/main_window.h"

#include "dialogs/folder_browser.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/shell.h"

#include <QLineEdit>

namespace editor {

using platform::MessageIcon;

void Corvane::Command4_Click()
{
    if (text1_->text().isEmpty() || !services_.files.exists(state_.CurrentFilePath)) {
        reportFileNotFound();
        return;
    }
    dialogs::BrowseForDestination(services_.dialogs, state_);
    if (state_.DestinationFolder.isEmpty())
        return;

    const QString destination = state_.DestinationFolder + platform::paths::kSeparator
                              + platform::paths::nameOf(state_.CurrentFilePath);
    const bool copied =
        dialogs::CopyPictureFile(services_.dialogs, services_.files, state_.CurrentFilePath, destination);
    // A file of that name may have been there before: only the copy's own success counts.
    if (copied && services_.files.exists(destination)) {
        services_.dialogs.messageBox(QStringLiteral(" Finished copying the file."), QStringLiteral("File Copy"),
                                     MessageIcon::Information);
    } else {
        services_.dialogs.messageBox(QStringLiteral(" Error copying the file."), QStringLiteral("Error"),
                                     MessageIcon::Error);
    }
    state_.DestinationFolder.clear();
}

void Corvane::Command8_Click()
{
    if (!services_.files.exists(state_.CurrentFilePath)) {
        reportFileNotFound();
        return;
    }
    const platform::TrashResult result = services_.shell.moveToRecycleBin(state_.CurrentFilePath);
    if (result == platform::TrashResult::Failed) {
        services_.dialogs.messageBox(tr("The file could not be moved to the trash, so it was kept:\n%1")
                                         .arg(state_.CurrentFilePath),
                                     QStringLiteral("Error"), MessageIcon::Error);
    }
    state_.DeleteFlag = 1;
}

} // namespace editor
