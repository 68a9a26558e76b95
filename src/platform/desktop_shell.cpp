// The desktop shell on a freedesktop desktop: the XDG pictures folder, moving a file to the trash after a
// question, and opening web addresses.
#include "platform/desktop_shell.h"

#include "platform/dialogs.h"
#include "platform/paths.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

QString DesktopShell::specialFolder(int csidl) const
{
    if (csidl != kCsidlMyPictures)
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return QDir::cleanPath(folder);
}

QString DesktopShell::homeFolder() const
{
    return QDir::homePath();
}

TrashResult DesktopShell::moveToRecycleBin(const QString& path)
{
    const QString question = QObject::tr("Are you sure you want to move \"%1\" to the Trash?").arg(paths::nameOf(path));
    const MessageAnswer answer =
        dialogs_.messageBox(question, QObject::tr("Delete File"), MessageIcon::Warning, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return TrashResult::Declined;
    return moveToTrash(path) ? TrashResult::Moved : TrashResult::Failed;
}

bool DesktopShell::moveToTrash(const QString& path)
{
    // The toolkit puts the home trash inside the user's data folder, and when that folder is missing it
    // falls back to the current folder: make sure it exists first.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return QFile::moveToTrash(path);
}

bool DesktopShell::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace platform
