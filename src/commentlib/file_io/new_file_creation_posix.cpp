// A new file is written unnamed (or, where the file system cannot, under a locked temporary name), flushed, and only
// then linked or renamed to its name if that is free. Removal first checks the file still stands there unchanged.
#include "commentlib/file_io/new_file_creation.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/file_io/temporary_names.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

namespace {

int32_t writeFailure()
{
    return statusFromErrno(errno, CORVANE_E_WRITE);
}

int32_t writeAll(int file, ByteView contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(file, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? writeFailure() : CORVANE_E_WRITE;
        contents = contents.subspan(size_t(written));
    }
    return CORVANE_OK;
}

// Links a file that has no name yet (O_TMPFILE) to `name`; fails with EEXIST where the name is taken.
bool linkUnnamed(int file, int folder, const std::string& name)
{
    if (linkat(file, "", folder, name.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    const std::string procPath = "/proc/self/fd/" + std::to_string(file);
    return linkat(AT_FDCWD, procPath.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Renames the temporary `from` to `name` unless that name is taken (EEXIST); `from` is gone on success.
bool renameWithoutReplacing(int folder, const std::string& from, const std::string& name)
{
    if (renameat2(folder, from.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a second link never replaces anything.
    if (linkat(folder, from.c_str(), folder, name.c_str(), 0) != 0)
        return false;
    unlinkat(folder, from.c_str(), 0);
    return true;
}

}

int32_t createNewFile(int folder, const std::string& name, ByteView contents)
{
    std::string temporary;
    int file = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (file < 0) {
        temporary = uniqueTemporaryName(name);
        file = openat(folder, temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file < 0)
            return writeFailure();
    }
    const auto fail = [&](int32_t status) {
        if (!temporary.empty())
            unlinkat(folder, temporary.c_str(), 0);
        close(file);
        return status;
    };
    // Held until the descriptor closes: tells other writers a named temporary is alive.
    if (flock(file, LOCK_EX) != 0)
        return fail(writeFailure());
    if (const int32_t status = writeAll(file, contents); status != CORVANE_OK)
        return fail(status);
    if (fsync(file) != 0)
        return fail(writeFailure());
    const bool named =
        temporary.empty() ? linkUnnamed(file, folder, name) : renameWithoutReplacing(folder, temporary, name);
    if (!named)
        return fail(errno == EEXIST ? kNameTaken : writeFailure());
    close(file);
    return syncFolder(folder);
}

int32_t removeFile(const SourceFile& file)
{
    if (const int32_t status = file.checkStillNamed(); status != CORVANE_OK)
        return status;
    if (const int32_t status = file.checkUnchanged(); status != CORVANE_OK)
        return status;
    if (unlinkat(file.folder(), file.name().c_str(), 0) != 0)
        return statusFromErrno(errno, CORVANE_E_WRITE);
    return syncFolder(file.folder());
}

}
