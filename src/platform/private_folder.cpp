// Making and checking a folder of this user's own under a shared place such as the runtime folder.
#include "platform/private_folder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

PrivateFolder refused(const QString& path, const QString& why)
{
    return {QString(), QStringLiteral("%1: %2").arg(path, why)};
}

} // namespace

PrivateFolder privateFolder(const QString& base, const QString& key)
{
    const QString path = QStringLiteral("%1/%2-%3").arg(base, key).arg(::getuid());
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return refused(path, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return refused(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode))
        return refused(path, QStringLiteral("not a folder (a link or a file stands there)"));
    if (info.st_uid != ::getuid())
        return refused(path, QStringLiteral("the folder belongs to another user"));
    if ((info.st_mode & 077) != 0)
        return refused(path, QStringLiteral("other users may enter the folder"));
    return {path, QString()};
}

} // namespace platform
