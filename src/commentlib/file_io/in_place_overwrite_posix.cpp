// Overwriting a file in place: beforehand, a flushed copy of its old contents and the new contents stand beside it
// under names tied to its inode, so the next open finishes or undoes an overwrite they outlive. Space is reserved
// first: a full disk stops the write while the file is still whole.
#include "commentlib/file_io/in_place_overwrite.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"
#include "commentlib/file_io/temporary_names.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace corvane {

namespace {

int32_t failure(int32_t otherwise = CORVANE_E_WRITE)
{
    return statusFromErrno(errno, otherwise);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int32_t copyThroughBuffer(int from, int to, off_t offset, off_t end)
{
    char buffer[64 * 1024];
    while (offset < end) {
        const ssize_t got = pread(from, buffer, size_t(std::min<off_t>(sizeof buffer, end - offset)), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 ? CORVANE_E_CHANGED : failure();
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = pwrite(to, buffer + done, size_t(got - done), offset + done);
            if (put < 0 && errno != EINTR)
                return failure();
            done += std::max<ssize_t>(put, 0);
        }
        offset += got;
    }
    return CORVANE_OK;
}

// Makes `to` hold exactly the bytes of `from`, durably.
int32_t copyContents(int from, int to)
{
    struct stat source {};
    if (fstat(from, &source) != 0)
        return failure();
    off_t offset = 0;
    while (offset < source.st_size) {
        off_t fromOffset = offset, toOffset = offset;
        const ssize_t copied = copy_file_range(from, &fromOffset, to, &toOffset, size_t(source.st_size - offset), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && (errno == ENOSPC || errno == EDQUOT || errno == EIO))
            return failure();
        if (copied <= 0) {
            if (const int32_t status = copyThroughBuffer(from, to, offset, source.st_size); status != CORVANE_OK)
                return status;
            break;
        }
        offset += copied;
    }
    if (ftruncate(to, source.st_size) != 0 || fsync(to) != 0)
        return failure();
    return CORVANE_OK;
}

// Space for the new contents is taken before the first byte is overwritten, so a full disk stops the write
// while the file is still whole. File systems that cannot reserve space are written as they are.
int32_t reserveSpace(int target, int newContents)
{
    struct stat wanted {};
    if (fstat(newContents, &wanted) != 0)
        return failure();
    if (fallocate(target, FALLOC_FL_KEEP_SIZE, 0, wanted.st_size) == 0 || (errno != ENOSPC && errno != EDQUOT))
        return CORVANE_OK;
    return failure();
}

// A copy of the file's present contents, flushed, under the name `copyName`; its descriptor in `copy`.
int32_t saveOldContents(const SourceFile& source, const std::string& copyName, int& copy)
{
    std::string name = uniqueTemporaryName(source.name());
    copy = openat(source.folder(), name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (copy < 0)
        return failure();
    int32_t status = flock(copy, LOCK_EX) == 0 ? CORVANE_OK : failure();
    if (status == CORVANE_OK)
        status = copyContents(source.descriptor(), copy);
    if (status == CORVANE_OK)
        status = giveName(source.folder(), copy, name, copyName);
    if (status != CORVANE_OK)
        unlinkat(source.folder(), name.c_str(), 0);
    return status;
}

int openHelper(int folder, const std::string& name)
{
    const int helper = openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (helper >= 0 && (fstat(helper, &status) != 0 || !isOwnHelper(status))) {
        close(helper);
        return -1;
    }
    return helper;
}

bool helperStands(int folder, const std::string& name)
{
    struct stat status {};
    return fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && isOwnHelper(status);
}

// The new contents' name goes first: the copy alone tells the next run that the file is whole.
void removeHelpers(int folder, const std::string& oldName, const std::string& newName)
{
    unlinkat(folder, newName.c_str(), 0);
    unlinkat(folder, oldName.c_str(), 0);
}

// Writes the new contents into the file, or else the old ones back; false when neither could be.
bool writeBack(int target, int newContents, int oldContents, int32_t& status)
{
    status = newContents >= 0 ? copyContents(newContents, target) : CORVANE_OK;
    return status == CORVANE_OK || (oldContents >= 0 && copyContents(oldContents, target) == CORVANE_OK);
}

}

bool canOverwriteKeepingIdentity(const struct stat& original)
{
    return (original.st_mode & (S_ISUID | S_ISGID)) == 0 || geteuid() == 0;
}

int openForOverwrite(const SourceFile& source)
{
    const int target = openat(source.folder(), source.name().c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (target < 0)
        return errno == ELOOP ? CORVANE_E_REPLACED : failure();
    struct stat opened {};
    if (fstat(target, &opened) != 0 || !sameFile(opened, source.status())) {
        close(target);
        return CORVANE_E_REPLACED;
    }
    return target;
}

int32_t overwriteInPlace(const SourceFile& source, int target, int newContents, std::string& newContentsName)
{
    const int folder = source.folder();
    const std::string oldName =
        overwriteHelperName(source.name(), source.status().st_ino, OverwriteHelper::OldContents);
    const std::string newName =
        overwriteHelperName(source.name(), source.status().st_ino, OverwriteHelper::NewContents);
    if (flock(target, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? CORVANE_E_CHANGED : failure();
    int oldContents = -1;
    int32_t status = saveOldContents(source, oldName, oldContents);
    if (status == CORVANE_OK)
        status = giveName(folder, newContents, newContentsName, newName);
    if (status == CORVANE_OK)
        status = fsync(folder) == 0 ? source.checkUnchanged() : failure();
    if (status == CORVANE_OK)
        status = reserveSpace(target, newContents);
    int32_t written = status;
    // Where neither contents could be written back, the helpers stay for the next run to finish with.
    if (status != CORVANE_OK || writeBack(target, newContents, oldContents, written)) {
        if (!newContentsName.empty() && newContentsName != newName)
            unlinkat(folder, newContentsName.c_str(), 0);
        removeHelpers(folder, oldName, newName);
    }
    newContentsName.clear();
    if (oldContents >= 0)
        close(oldContents);
    return written;
}

int32_t finishInterruptedOverwrite(int folder, const std::string& name, int file, struct stat& status)
{
    const std::string oldName = overwriteHelperName(name, status.st_ino, OverwriteHelper::OldContents);
    const std::string newName = overwriteHelperName(name, status.st_ino, OverwriteHelper::NewContents);
    const bool newContentsStand = helperStands(folder, newName);
    if (!newContentsStand && !helperStands(folder, oldName))
        return CORVANE_OK;
    const int target = openat(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat opened {};
    if (target < 0 || fstat(target, &opened) != 0 || !sameFile(opened, status)) {
        const int32_t cannotOpen = target < 0 ? failure(CORVANE_E_OPEN) : CORVANE_E_REPLACED;
        if (target >= 0)
            close(target);
        // With the copy of the old contents alone, the file is whole: it can be read, just not tidied up.
        return newContentsStand ? cannotOpen : CORVANE_OK;
    }
    // A writer still at work holds the lock; what it leaves is its own to finish.
    if (flock(target, LOCK_EX | LOCK_NB) != 0) {
        close(target);
        return CORVANE_OK;
    }
    const int newContents = openHelper(folder, newName), oldContents = openHelper(folder, oldName);
    int32_t written = CORVANE_OK;
    if (writeBack(target, newContents, oldContents, written)) {
        written = CORVANE_OK;
        removeHelpers(folder, oldName, newName);
        if (fsync(folder) != 0 || fstat(file, &status) != 0)
            written = failure();
    }
    for (const int descriptor : {newContents, oldContents, target})
        if (descriptor >= 0)
            close(descriptor);
    return written;
}

}
