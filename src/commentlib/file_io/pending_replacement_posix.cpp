// Preparing a new file and renaming it over the original. It is refused before anything is created where the file is
// not writable or it or its folder is append-only or immutable. A file with several links, or whose owner the new file
// cannot take, is overwritten in place instead.
#include "commentlib/file_io/pending_replacement.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"
#include "commentlib/file_io/file_metadata.h"
#include "commentlib/file_io/in_place_overwrite.h"
#include "commentlib/file_io/new_file_writer.h"
#include "commentlib/file_io/temporary_names.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

namespace {

// A folder (or file) marked append-only or immutable lets a new file in but never lets it replace the old one
// or go away again: refuse before anything is created there.
bool refusesReplacement(int descriptor)
{
    int flags = 0;
    return ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

int32_t writableStatus(const SourceFile& source)
{
    if (faccessat(source.folder(), source.name().c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? CORVANE_E_READ_ONLY : statusFromErrno(errno, CORVANE_E_WRITE);
    if (refusesReplacement(source.folder()) || refusesReplacement(source.descriptor()))
        return CORVANE_E_PERMISSION;
    return CORVANE_OK;
}

}

PendingReplacement::~PendingReplacement()
{
    closeNewFile();
}

void PendingReplacement::closeNewFile()
{
    if (!name_.empty())
        unlinkat(folder_, name_.c_str(), 0);
    name_.clear();
    if (file_ >= 0)
        close(file_);
    file_ = -1;
    if (original_ >= 0)
        close(original_);
    original_ = -1;
}

int32_t PendingReplacement::failWith(int32_t status)
{
    closeNewFile();
    return status;
}

int32_t PendingReplacement::prepare(const SourceFile& source, const EditPlan& plan, Cleanup cleanup)
{
    if (const int32_t status = writableStatus(source); status != CORVANE_OK)
        return status;
    closeNewFile();
    folder_ = source.folder();
    if (cleanup == Cleanup::ThisFile)
        removeStaleTemporaries(folder_, source.name());
    // Every name of a file with several links keeps seeing one file.
    if (source.status().st_nlink > 1)
        if (const int32_t status = keepIdentityInPlace(source); status != CORVANE_OK)
            return failWith(status);
    // Read and write: an overwrite in place reads the new bytes back.
    file_ = openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file_ < 0) {
        name_ = uniqueTemporaryName(source.name());
        file_ = openat(folder_, name_.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (file_ < 0) {
            name_.clear();
            return failWith(statusFromErrno(errno, CORVANE_E_WRITE));
        }
    }
    // Held until the descriptor closes: tells other writers this temporary is alive.
    if (flock(file_, LOCK_EX) != 0)
        return failWith(statusFromErrno(errno, CORVANE_E_WRITE));
    if (const int32_t status = NewFileWriter(source, file_).write(plan); status != CORVANE_OK)
        return failWith(status);
    if (const int32_t status = takeMetadata(source); status != CORVANE_OK)
        return failWith(status);
    if (const int32_t status = source.checkUnchanged(); status != CORVANE_OK)
        return failWith(status);
    return CORVANE_OK;
}

int32_t PendingReplacement::keepIdentityInPlace(const SourceFile& source)
{
    if (!canOverwriteKeepingIdentity(source.status()))
        return CORVANE_E_OWNER;
    const int original = openForOverwrite(source);
    if (original < 0)
        return original;
    original_ = original;
    return CORVANE_OK;
}

// A new file that cannot take the original's owner, group and mode bits is written into the original instead.
int32_t PendingReplacement::takeMetadata(const SourceFile& source)
{
    if (original_ >= 0)
        return CORVANE_OK;
    const int32_t status = copyMetadata(source.descriptor(), source.status(), file_);
    return status == CORVANE_E_OWNER ? keepIdentityInPlace(source) : status;
}

int32_t PendingReplacement::makeDurable()
{
    return fsync(file_) == 0 ? CORVANE_OK : failWith(statusFromErrno(errno, CORVANE_E_WRITE));
}

int32_t PendingReplacement::commit(const SourceFile& source)
{
    if (original_ < 0)
        return renameOver(source);
    if (const int32_t status = source.checkStillNamed(); status != CORVANE_OK)
        return failWith(status);
    const int32_t status = overwriteInPlace(source, original_, file_, name_);
    closeNewFile();
    return status;
}

int32_t PendingReplacement::renameOver(const SourceFile& source)
{
    if (name_.empty())
        if (const int32_t status = giveName(folder_, file_, name_, uniqueTemporaryName(source.name()));
            status != CORVANE_OK)
            return failWith(status);
    if (const int32_t status = source.checkStillNamed(); status != CORVANE_OK)
        return failWith(status);
    if (const int32_t status = source.checkUnchanged(); status != CORVANE_OK)
        return failWith(status);
    if (renameat(folder_, name_.c_str(), folder_, source.name().c_str()) != 0)
        return failWith(statusFromErrno(errno, CORVANE_E_WRITE));
    name_.clear(); // the new file is the original now: closing it must not remove it
    closeNewFile();
    return CORVANE_OK;
}

int32_t PendingReplacement::replaceAlone(const SourceFile& source)
{
    int32_t status = makeDurable();
    if (status == CORVANE_OK)
        status = commit(source);
    return status == CORVANE_OK ? syncFolder(source.folder()) : status;
}

int32_t syncFolder(int folder)
{
    return fsync(folder) == 0 ? CORVANE_OK : statusFromErrno(errno, CORVANE_E_WRITE);
}

int32_t syncFileSystemOf(int descriptor)
{
    return syncfs(descriptor) == 0 ? CORVANE_OK : statusFromErrno(errno, CORVANE_E_WRITE);
}

}
