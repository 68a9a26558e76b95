// Telling what kind of file stands at a path, and opening a regular file for reading without waiting on
// a pipe or device.
#include "platform/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileKind kindOfMode(unsigned mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Pipe;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    return FileKind::Other;
}

FileKind kindAt(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileKind::Missing;
    return kindOfMode(info.st_mode);
}

RegularFile::RegularFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        kind_ = kindAt(path);
        return;
    }
    struct stat info {};
    kind_ = ::fstat(fd, &info) == 0 ? kindOfMode(info.st_mode) : FileKind::Other;
    if (kind_ != FileKind::Regular) {
        ::close(fd);
        return;
    }
    // Reads of a regular file never wait; clearing the flag keeps readers that check it content.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    descriptor_ = fd;
}

RegularFile::~RegularFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

int RegularFile::release()
{
    const int fd = descriptor_;
    descriptor_ = -1;
    return fd;
}

QString RegularFile::reopenablePath() const
{
    return descriptor_ < 0 ? QString() : QStringLiteral("/proc/self/fd/%1").arg(descriptor_);
}

} // namespace platform
