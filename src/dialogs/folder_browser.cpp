// Choosing the folder a copy goes to, and copying the file there.
#include "dialogs/folder_browser.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace dialogs {

namespace {

// The chooser starts at the root of the file system, the counterpart of a drive root.
QString initialFolder()
{
    return QString(platform::paths::kSeparator);
}

} // namespace

// As chosen, never trimmed: "pics " and "pics" are two different folders.
QString BrowseForDestination(platform::Dialogs& dialogs)
{
    return dialogs.browseForFolder(QString::fromLatin1(kBrowseInstruction), initialFolder());
}

bool CopyPictureFile(platform::Dialogs& dialogs, platform::Files& files, const QString& source,
                     const QString& destination)
{
    if (!files.isListedFile(source)) {
        dialogs.messageBox(QLatin1Char('"') + source + QStringLiteral("\" is not valid file name."),
                           QStringLiteral("Corvane"), platform::MessageIcon::None);
        return false;
    }
    return files.copy(source, destination);
}

} // namespace dialogs
