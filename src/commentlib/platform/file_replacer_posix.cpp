#include "platform/file_replacer.h"

#include "corvane.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

struct Descriptor {
    int fd = -1;
    explicit Descriptor(int value = -1) : fd(value) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

struct Location {
    std::string folder;
    std::string name;
};

Location locate(const std::string& realPath)
{
    const size_t slash = realPath.rfind('/');
    if (slash == std::string::npos)
        return {".", realPath};
    return {slash == 0 ? "/" : realPath.substr(0, slash), realPath.substr(slash + 1)};
}

// Every temporary for `fileName` carries this prefix, so a later write can find and remove the ones a killed
// writer left behind. Long names are shortened so the temporary's name stays within the 255-byte limit.
std::string temporaryPrefix(const std::string& fileName)
{
    constexpr size_t kMaxNamePart = 180;
    return "." + fileName.substr(0, kMaxNamePart) + ".corvane-";
}

std::string uniqueTemporaryName(const std::string& fileName)
{
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return temporaryPrefix(fileName) + std::to_string(getpid()) + "-" + std::to_string(now) + "-" +
           std::to_string(counter++) + std::string(kTemporarySuffix);
}

// A temporary whose writer died is no longer locked; one that is still being written stays.
void removeStaleTemporaries(int folder, const std::string& fileName)
{
    const int listFd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = listFd >= 0 ? fdopendir(listFd) : nullptr;
    if (!listing) {
        if (listFd >= 0)
            close(listFd);
        return;
    }
    const std::string prefix = temporaryPrefix(fileName);
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !name.ends_with(kTemporarySuffix))
            continue;
        Descriptor stale(openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (stale.fd >= 0 && flock(stale.fd, LOCK_EX | LOCK_NB) == 0)
            unlinkat(folder, entry->d_name, 0);
    }
    closedir(listing);
}

bool writeBytes(int fd, const uint8_t* data, uint64_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= uint64_t(written);
    }
    return true;
}

// Lets the kernel copy unchanged ranges file to file; falls back to the bytes already in memory where the
// file system cannot.
bool copyRange(const SourceFile& source, int target, SourceRange range)
{
    loff_t from = loff_t(range.offset);
    uint64_t left = range.length;
    while (left > 0) {
        const ssize_t copied = copy_file_range(source.descriptor(), &from, target, nullptr, left, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && errno == ENOSPC)
            return false;
        if (copied <= 0)
            return writeBytes(target, source.bytes().data() + (range.offset + range.length - left), left);
        left -= uint64_t(copied);
    }
    return true;
}

bool writePieces(const SourceFile& source, int target, const EditPlan& plan)
{
    for (const Piece& piece : plan.pieces()) {
        const bool ok = std::holds_alternative<SourceRange>(piece)
                            ? copyRange(source, target, std::get<SourceRange>(piece))
                            : writeBytes(target, std::get<Bytes>(piece).data(), std::get<Bytes>(piece).size());
        if (!ok)
            return false;
    }
    return true;
}

// The system comment of file managers lives in a user.* attribute; losing one of those fails the write.
// Attributes of other namespaces (security labels, ACLs) are kept where this process is allowed to.
bool copyExtendedAttributes(int from, int to)
{
    const ssize_t listSize = flistxattr(from, nullptr, 0);
    if (listSize <= 0)
        return listSize == 0 || errno == ENOTSUP;
    std::string names(size_t(listSize), '\0');
    const ssize_t got = flistxattr(from, names.data(), names.size());
    if (got < 0)
        return false;
    for (size_t start = 0; start < size_t(got);) {
        const std::string name = names.c_str() + start;
        start += name.size() + 1;
        const ssize_t valueSize = fgetxattr(from, name.c_str(), nullptr, 0);
        std::string value(size_t(std::max<ssize_t>(valueSize, 0)), '\0');
        const bool copied = valueSize >= 0 && fgetxattr(from, name.c_str(), value.data(), value.size()) == valueSize &&
                            fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
        if (!copied && name.starts_with("user."))
            return false;
    }
    return true;
}

// Giving the file away needs privileges and keeping the group often does not; where neither is permitted
// the new file stays ours, which is all an unprivileged writer can do.
bool keepOwnerWherePermitted(int to, const struct stat& info)
{
    return fchown(to, info.st_uid, info.st_gid) == 0 || fchown(to, uid_t(-1), info.st_gid) == 0;
}

bool copyMetadata(int from, int to)
{
    struct stat info {};
    if (fstat(from, &info) != 0)
        return false;
    keepOwnerWherePermitted(to, info);
    // After the owner change, which may clear set-user-ID bits.
    return fchmod(to, info.st_mode & 07777) == 0 && copyExtendedAttributes(from, to);
}

struct Temporary {
    Descriptor file;
    std::string name;  // empty while the file has no name (O_TMPFILE)
};

bool createTemporary(int folder, const std::string& fileName, Temporary& temporary)
{
    temporary.file.fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (temporary.file.fd < 0) {
        temporary.name = uniqueTemporaryName(fileName);
        temporary.file.fd = openat(folder, temporary.name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    }
    // Held until the descriptor closes: tells other writers this temporary is alive.
    return temporary.file.fd >= 0 && flock(temporary.file.fd, LOCK_EX) == 0;
}

// Gives an unnamed temporary a name so it can be renamed over the original.
bool nameTemporary(int folder, const std::string& fileName, Temporary& temporary)
{
    if (!temporary.name.empty())
        return true;
    const std::string name = uniqueTemporaryName(fileName);
    const std::string procPath = "/proc/self/fd/" + std::to_string(temporary.file.fd);
    if (linkat(temporary.file.fd, "", folder, name.c_str(), AT_EMPTY_PATH) != 0 &&
        linkat(AT_FDCWD, procPath.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    temporary.name = name;
    return true;
}

int32_t discard(int folder, const Temporary& temporary, int32_t status)
{
    if (!temporary.name.empty())
        unlinkat(folder, temporary.name.c_str(), 0);
    return status;
}

}

int32_t replaceFile(const SourceFile& source, const EditPlan& plan)
{
    if (access(source.realPath().c_str(), W_OK) != 0)
        return errno == EACCES || errno == EROFS ? CORVANE_E_READ_ONLY : CORVANE_E_WRITE;
    const Location location = locate(source.realPath());
    Descriptor folder(open(location.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd < 0)
        return CORVANE_E_WRITE;
    removeStaleTemporaries(folder.fd, location.name);
    Temporary temporary;
    if (!createTemporary(folder.fd, location.name, temporary))
        return discard(folder.fd, temporary, CORVANE_E_WRITE);
    if (!writePieces(source, temporary.file.fd, plan) || !copyMetadata(source.descriptor(), temporary.file.fd) ||
        fsync(temporary.file.fd) != 0 || !nameTemporary(folder.fd, location.name, temporary))
        return discard(folder.fd, temporary, CORVANE_E_WRITE);
    if (renameat(folder.fd, temporary.name.c_str(), folder.fd, location.name.c_str()) != 0)
        return discard(folder.fd, temporary, CORVANE_E_WRITE);
    fsync(folder.fd);
    return CORVANE_OK;
}

}
