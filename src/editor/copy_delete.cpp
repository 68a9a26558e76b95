// The Copy File and Delete File commands.
#include "editor/main_window.h"

#include "dialogs/folder_browser.h"
#include "dialogs/sidecars.h"
#include "editor/large_view.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/shell.h"

#include <QLineEdit>

namespace editor {

using platform::MessageAnswer;
using platform::MessageIcon;

void Corvane::Command4_Click()
{
    const QString source = session_.CurrentFilePath();
    if (text1_->text().isEmpty() || !services_.files.exists(source)) {
        reportFileNotFound();
        return;
    }
    const QString destinationFolder = dialogs::BrowseForDestination(services_.dialogs);
    if (destinationFolder.isEmpty())
        return;

    const QString destination = destinationFolder + platform::paths::kSeparator + platform::paths::nameOf(source);
    if (!mayReplaceWithCopy(destinationFolder, destination))
        return;
    const bool replacing = services_.files.identityOf(destination).has_value();
    const QList<dialogs::Sidecar> sidecars = dialogs::sidecarsOf(services_.files, services_.comments, source);
    const bool copied = dialogs::CopyPictureFile(services_.dialogs, services_.files, source, destination);
    // A file of that name may have been there before: only the copy's own success counts.
    if (copied && services_.files.exists(destination)) {
        services_.dialogs.messageBox(QStringLiteral(" Finished copying the file."), QStringLiteral("File Copy"),
                                     MessageIcon::Information);
        copySidecars(sidecars, destinationFolder, destination, replacing);
    } else {
        services_.dialogs.messageBox(QStringLiteral(" Error copying the file."), QStringLiteral("Error"),
                                     MessageIcon::Error);
    }
}

// A sidecar replaces a file of its name only where the copy replaced the picture that file served;
// anywhere else that file may be another picture's, and stays.
void Corvane::copySidecars(const QList<dialogs::Sidecar>& sidecars, const QString& folder, const QString& destination,
                           bool replacing)
{
    for (const dialogs::Sidecar& sidecar : sidecars) {
        const QString target = dialogs::sidecarPathFor(sidecar, destination);
        const bool taken = services_.files.kindOf(target) != platform::FileKind::Missing;
        if ((!taken || replacing) && services_.files.copy(sidecar.path, target))
            continue;
        services_.dialogs.messageBox(
            tr("The picture was copied, but not its sidecar %1, which keeps what other photo programs know "
               "of it:\n%2")
                .arg(platform::paths::nameOf(sidecar.path),
                     taken ? tr("%1 already holds a file of that name.").arg(folder) : tr("It could not be copied.")),
            QStringLiteral("File Copy"), MessageIcon::Warning);
    }
}

// Two cameras both make IMG_0001.jpg: a file of the picture's name in the destination is most likely
// another photo, and goes only on a Yes. The picture itself, reached by another path, is no other file.
bool Corvane::mayReplaceWithCopy(const QString& folder, const QString& destination)
{
    const std::optional<platform::FileIdentity> there = services_.files.identityOf(destination);
    if (!there || there == services_.files.identityOf(session_.CurrentFilePath()))
        return true;
    const MessageAnswer answer = services_.dialogs.messageBox(
        tr("%1 already holds a file named %2.\nReplace it with the copy of %3? The file there now will be lost.")
            .arg(folder, platform::paths::nameOf(destination), session_.CurrentFilePath()),
        QStringLiteral("File Copy"), MessageIcon::Warning, platform::MessageButtons::YesNoDefaultNo);
    return answer == MessageAnswer::Yes;
}

void Corvane::trashSidecars(const QList<dialogs::Sidecar>& sidecars)
{
    for (const dialogs::Sidecar& sidecar : sidecars) {
        if (!services_.shell.moveToTrash(sidecar.path))
            services_.dialogs.messageBox(
                tr("The file is in the trash, but its sidecar could not follow it and was kept:\n%1").arg(sidecar.path),
                QStringLiteral("Error"), MessageIcon::Error);
    }
}

// The picture, its path and its comment stay in the window until the next step, which goes on from the
// first picture of the folder, whether the trash took the file or the user kept it.
void Corvane::Command8_Click()
{
    const QString path = session_.CurrentFilePath();
    if (!services_.files.exists(path)) {
        reportFileNotFound();
        return;
    }
    const QList<dialogs::Sidecar> sidecars = dialogs::sidecarsOf(services_.files, services_.comments, path);
    const platform::TrashResult result = services_.shell.moveToRecycleBin(path);
    if (result == platform::TrashResult::Moved)
        trashSidecars(sidecars);
    if (result == platform::TrashResult::Failed) {
        services_.dialogs.messageBox(tr("The file could not be moved to the trash, so it was kept:\n%1").arg(path),
                                     QStringLiteral("Error"), MessageIcon::Error);
    }
    if (result == platform::TrashResult::Moved && largeView_)
        largeView_->showTrashed(platform::paths::nameOf(path));
    session_.deleted(path);
}

} // namespace editor
