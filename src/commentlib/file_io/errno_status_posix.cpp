// Maps errno values to the library's statuses: missing file, permission, read-only file system, full disk or quota,
// link loop, and memory.
#include "commentlib/file_io/errno_status.h"

#include "commentlib/corvane.h"

#include <cerrno>

namespace corvane {

int32_t statusFromErrno(int error, int32_t otherwise)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return CORVANE_E_NOT_FOUND;
    case EACCES:
    case EPERM:
        return CORVANE_E_PERMISSION;
    case EROFS:
        return CORVANE_E_READ_ONLY_FS;
    case ENOSPC:
    case EDQUOT:
        return CORVANE_E_NO_SPACE;
    case ELOOP:
        return CORVANE_E_LOOP;
    case ENOMEM:
        return CORVANE_E_MEMORY;
    default:
        return otherwise;
    }
}

}
