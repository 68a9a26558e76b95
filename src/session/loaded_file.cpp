// Remembering the loaded file, and finding it again after another program renamed it.
#include "session/loaded_file.h"

#include "platform/paths.h"

namespace session {

void LoadedFile::remember(const QString& path, const QString& comment)
{
    path_ = path;
    identity_ = files_.identityOf(path);
    comment_ = comment;
    inTrash_ = false;
}

QString LoadedFile::renamedTo() const
{
    if (!identity_ || stillNamedBy(path_))
        return {};
    const QString folder = platform::paths::folderOf(path_);
    for (const QString& name : files_.visibleFileNames(folder)) {
        const QString path = folder + name;
        if (files_.identityOf(path) == identity_)
            return path;
    }
    return {};
}

void LoadedFile::renamed(const QString& from, const QString& to)
{
    if (path_ == from)
        path_ = to;
}

} // namespace session
