// The files service on the local file system: what stands at a path, listing a folder, copying with the
// file's times and attributes and renaming without replacing.
#include "platform/local_files.h"

#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <memory>

namespace platform {

namespace {

bool isHiddenName(const char* name)
{
    return name[0] == '.';
}

// A name whose bytes are not valid in the file-name encoding (copied from an old disk or camera)
// decodes to replacement characters, and that text no longer names the file: it could never be
// opened by it.
bool decodesExactly(const char* name, const QString& decoded)
{
    return QFile::encodeName(decoded) == name;
}

// readdir reports the type of most entries; only links and file systems that do not get a stat.
bool isRegularEntry(int folderFd, const dirent* entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::fstatat(folderFd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat infoA {
    }, infoB{};
    return ::stat(QFile::encodeName(a).constData(), &infoA) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &infoB) == 0 && infoA.st_dev == infoB.st_dev &&
           infoA.st_ino == infoB.st_ino;
}

bool copyContents(QFile& from, QSaveFile& to)
{
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk;
    while (!(chunk = from.read(kChunk)).isEmpty()) {
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return from.error() == QFile::NoError;
}

// The extended attributes of `from` given to `to`: the desktop's comment on a file lives in one.
void copyExtendedAttributes(const QByteArray& from, const QByteArray& to)
{
    const ssize_t listSize = ::listxattr(from.constData(), nullptr, 0);
    if (listSize <= 0)
        return;
    QByteArray names(listSize, '\0');
    if (::listxattr(from.constData(), names.data(), names.size()) != listSize)
        return;
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t valueSize = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (valueSize < 0)
            continue;
        QByteArray value(valueSize, '\0');
        if (::getxattr(from.constData(), name.constData(), value.data(), value.size()) == valueSize)
            ::setxattr(to.constData(), name.constData(), value.constData(), value.size(), 0);
    }
}

// What a copy keeps besides the bytes, as `cp -a` does: mode, extended attributes and times. Each is kept
// where the destination's file system can hold it; the copy itself stands either way.
void keepAttributes(const QString& source, const QString& destination)
{
    const QByteArray from = QFile::encodeName(source), to = QFile::encodeName(destination);
    QFile::setPermissions(destination, QFile::permissions(source));
    copyExtendedAttributes(from, to);
    struct stat info {};
    if (::stat(from.constData(), &info) == 0) {
        const timespec times[2] = {info.st_atim, info.st_mtim};
        ::utimensat(AT_FDCWD, to.constData(), times, 0);
    }
}

} // namespace

bool LocalFiles::exists(const QString& path) const
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

bool LocalFiles::isFolder(const QString& path) const
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool LocalFiles::isListedFile(const QString& path) const
{
    return exists(path) && !QFileInfo(path).fileName().startsWith(u'.');
}

QStringList LocalFiles::visibleFileNames(const QString& folder) const
{
    QStringList names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()), ::closedir);
    if (!dir)
        return names;
    const int folderFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        if (isHiddenName(entry->d_name) || !isRegularEntry(folderFd, entry))
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (decodesExactly(entry->d_name, name))
            names.append(name);
    }
    return names;
}

bool LocalFiles::copy(const QString& source, const QString& destination)
{
    if (!exists(source))
        return false;
    if (sameFile(source, destination))
        return true; // the destination already is the source; copying would only risk it

    QFile from(source);
    QSaveFile to(destination); // writes beside the destination and replaces it only when complete
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly))
        return false;
    if (!copyContents(from, to)) {
        to.cancelWriting();
        return false;
    }
    if (!to.commit())
        return false;
    keepAttributes(source, destination);
    return true;
}

RenameResult LocalFiles::rename(const QString& from, const QString& to)
{
    // One call that refuses any entry of the new name, links included; a copy through a link would
    // put the picture wherever the link points.
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return RenameResult::Renamed;
    switch (errno) {
    case EEXIST:
    case ENOTEMPTY:
        return RenameResult::NameTaken;
    case EXDEV:
        return RenameResult::OtherFileSystem;
    default:
        return RenameResult::Failed;
    }
}

FileKind LocalFiles::kindOf(const QString& path) const
{
    return kindAt(path);
}

std::optional<FileIdentity> LocalFiles::identityOf(const QString& path) const
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

} // namespace platform
