// Owner, group, mode bits and extended attributes carried over onto a new file. The write fails where the owner, the
// mode (a set-ID bit the kernel silently dropped included) or a user.* attribute cannot be kept; other attributes are
// copied where allowed.
#include "commentlib/file_io/file_metadata.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace corvane {

namespace {

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

bool ownedAlike(const struct stat& a, const struct stat& b)
{
    return a.st_uid == b.st_uid && a.st_gid == b.st_gid;
}

bool keepOwner(int to, const struct stat& original)
{
    struct stat now {};
    if (fstat(to, &now) != 0)
        return false;
    if (ownedAlike(now, original))
        return true;
    const uid_t owner = now.st_uid == original.st_uid ? uid_t(-1) : original.st_uid;
    return fchown(to, owner, original.st_gid) == 0;
}

// The kernel drops set-user-ID and set-group-ID bits it does not let us set, without an error.
bool keepMode(int to, const struct stat& original)
{
    if (fchmod(to, original.st_mode & 07777) != 0)
        return false;
    struct stat now {};
    return (original.st_mode & (S_ISUID | S_ISGID)) == 0 ||
           (fstat(to, &now) == 0 && (now.st_mode & 07777) == (original.st_mode & 07777));
}

}

int32_t copyMetadata(int from, const struct stat& original, int to)
{
    if (!keepOwner(to, original) || !keepMode(to, original))
        return CORVANE_E_OWNER;
    return copyExtendedAttributes(from, to) ? CORVANE_OK : statusFromErrno(errno, CORVANE_E_WRITE);
}

}
