// Splitting a path into its folder, name, base name and extension.
#include "platform/paths.h"

namespace platform::paths {

QString folderOf(const QString& path)
{
    const qsizetype last = path.lastIndexOf(kSeparator);
    return last < 0 ? QString() : path.left(last + 1);
}

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

QString baseNameOf(const QString& path)
{
    const QString name = nameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString extensionOf(const QString& path)
{
    const QString name = nameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

} // namespace platform::paths
