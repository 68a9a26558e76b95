// Opens the file through its held folder, never following a link or blocking on a special file, and first finishes an
// overwrite a killed writer left. Its size, modification and change times at opening are what later checks compare.
#include "commentlib/file_io/source_file.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"
#include "commentlib/file_io/in_place_overwrite.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <unistd.h>

namespace corvane {

namespace {

// TIFF offsets stop at 4 GiB, and no picture we edit comes near that.
constexpr uint64_t kMaxFileSize = uint64_t(4) << 30;

bool sameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool sameContentState(const struct stat& a, const struct stat& b)
{
    return a.st_size == b.st_size && sameTime(a.st_mtim, b.st_mtim) && sameTime(a.st_ctim, b.st_ctim);
}

struct Split {
    std::string folder;
    std::string name;
    std::string prefix; // what goes before a name in the folder, as the path spells it
};

Split split(const std::string& resolved)
{
    const size_t slash = resolved.rfind('/');
    return {slash == 0 ? "/" : resolved.substr(0, slash), resolved.substr(slash + 1), resolved.substr(0, slash + 1)};
}

// The folder and the name of the file itself: a link at the end of the path is resolved to the file it names
// (links on the way to the folder are resolved when the folder is opened).
int32_t locate(const std::string& path, Split& parts)
{
    struct stat named {};
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!name.empty() && name != "." && name != ".." && lstat(path.c_str(), &named) == 0 && !S_ISLNK(named.st_mode)) {
        parts = {slash == std::string::npos ? "."
                 : slash == 0               ? "/"
                                            : path.substr(0, slash),
                 name, slash == std::string::npos ? std::string() : path.substr(0, slash + 1)};
        return CORVANE_OK;
    }
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return statusFromErrno(errno, CORVANE_E_OPEN);
    parts = split(resolved);
    std::free(resolved);
    return CORVANE_OK;
}

}

SourceFile::~SourceFile()
{
    if (descriptor_ >= 0)
        close(descriptor_);
    if (folder_ >= 0)
        close(folder_);
}

int32_t SourceFile::open(const std::string& path, SourceFile& file)
{
    Split parts;
    if (const int32_t status = locate(path, parts); status != CORVANE_OK)
        return status;
    file.name_ = parts.name;
    file.siblingPrefix_ = parts.prefix;
    file.folder_ = ::open(parts.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat folder {};
    if (file.folder_ < 0 || fstat(file.folder_, &folder) != 0)
        return statusFromErrno(errno, CORVANE_E_OPEN);
    file.folderId_ = {folder.st_dev, folder.st_ino};
    // Never blocks on a pipe or a device, and never follows a link that appeared since the path was resolved.
    file.descriptor_ = openat(file.folder_, file.name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file.descriptor_ < 0)
        return errno == ELOOP ? CORVANE_E_REPLACED : statusFromErrno(errno, CORVANE_E_OPEN);
    if (fstat(file.descriptor_, &file.status_) != 0)
        return statusFromErrno(errno, CORVANE_E_OPEN);
    if (!S_ISREG(file.status_.st_mode))
        return CORVANE_E_NOT_REGULAR;
    // A writer killed while it overwrote this file in place left it for us to finish.
    if (const int32_t status = finishInterruptedOverwrite(file.folder_, file.name_, file.descriptor_, file.status_);
        status != CORVANE_OK)
        return status;
    if (uint64_t(file.status_.st_size) > kMaxFileSize)
        return CORVANE_E_TOO_LARGE;
    return file.load(kFirstRead);
}

int32_t SourceFile::readExactly(uint8_t* out, uint64_t offset, uint64_t length) const
{
    uint64_t done = 0;
    while (done < length) {
        const ssize_t got = pread(descriptor_, out + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return statusFromErrno(errno, CORVANE_E_OPEN);
        if (got == 0)
            return CORVANE_E_CHANGED;
        done += uint64_t(got);
    }
    return CORVANE_OK;
}

int32_t SourceFile::load(uint64_t length)
{
    length = std::min(length, size());
    if (length <= loaded_)
        return CORVANE_OK;
    if (!anywhere_) {
        // Not value-initialised: zeroing a large picture's buffer before reading into it would cost a pass.
        std::unique_ptr<uint8_t[]> grown(new (std::nothrow) uint8_t[length]);
        if (!grown)
            return CORVANE_E_MEMORY;
        std::copy_n(bytes_.get(), loaded_, grown.get());
        bytes_ = std::move(grown);
    }
    if (const int32_t status = readExactly(bytes_.get() + loaded_, loaded_, length - loaded_); status != CORVANE_OK)
        return status;
    loaded_ = size_t(length);
    return CORVANE_OK;
}

int32_t SourceFile::readAnywhere()
{
    if (anywhere_)
        return CORVANE_OK;
    std::unique_ptr<uint8_t[]> spread(new (std::nothrow) uint8_t[std::max<uint64_t>(size(), 1)]);
    if (!spread)
        return CORVANE_E_MEMORY;
    std::copy_n(bytes_.get(), loaded_, spread.get());
    bytes_ = std::move(spread);
    blocks_.assign(size_t((size() + kBlock - 1) / kBlock), false);
    anywhere_ = true;
    return CORVANE_OK;
}

bool SourceFile::holds(uint64_t offset, uint64_t length) const
{
    if (!fits(size_t(size()), offset, length))
        return false;
    if (offset + length <= loaded_ || length == 0)
        return true;
    if (!anywhere_)
        return false;
    for (uint64_t block = offset / kBlock; block <= (offset + length - 1) / kBlock; ++block)
        if (!blocks_[size_t(block)] && (block + 1) * kBlock > loaded_)
            return false;
    return true;
}

int32_t SourceFile::loadRange(uint64_t offset, uint64_t length)
{
    offset = std::min(offset, size());
    length = std::min(length, size() - offset);
    if (length == 0 || holds(offset, length))
        return CORVANE_OK;
    if (const int32_t status = readAnywhere(); status != CORVANE_OK)
        return status;
    for (uint64_t block = offset / kBlock; block <= (offset + length - 1) / kBlock; ++block) {
        const uint64_t start = block * kBlock, end = std::min(start + kBlock, size());
        if (blocks_[size_t(block)] || end <= loaded_)
            continue;
        if (const int32_t status = readExactly(bytes_.get() + start, start, end - start); status != CORVANE_OK)
            return status;
        blocks_[size_t(block)] = true;
    }
    return CORVANE_OK;
}

int32_t SourceFile::stream(uint64_t from, uint64_t length, const std::function<bool(ByteView)>& consume) const
{
    // Small enough to stay in the processor's cache between the read and whatever consumes it.
    constexpr uint64_t kChunk = 128 * 1024;
    thread_local const std::unique_ptr<uint8_t[]> chunk(new uint8_t[kChunk]);
    for (uint64_t offset = from; offset < from + length;) {
        const uint64_t part = std::min(kChunk, from + length - offset);
        if (const int32_t status = readExactly(chunk.get(), offset, part); status != CORVANE_OK)
            return status;
        if (!consume({chunk.get(), size_t(part)}))
            break;
        offset += part;
    }
    return CORVANE_OK;
}

int32_t SourceFile::checkUnchanged() const
{
    struct stat now {};
    if (fstat(descriptor_, &now) != 0)
        return statusFromErrno(errno, CORVANE_E_OPEN);
    return sameContentState(now, status_) ? CORVANE_OK : CORVANE_E_CHANGED;
}

int32_t SourceFile::checkStillNamed() const
{
    struct stat named {};
    if (fstatat(folder_, name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? CORVANE_E_REPLACED : statusFromErrno(errno, CORVANE_E_WRITE);
    return named.st_dev == status_.st_dev && named.st_ino == status_.st_ino ? CORVANE_OK : CORVANE_E_REPLACED;
}

}
