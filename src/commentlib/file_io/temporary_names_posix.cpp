// Temporaries are named .NAME.corvane-PID-TIME-COUNTER.tmp, an overwrite's helpers .NAME.corvane-keep-INODE.old or
// .new. A leftover temporary goes only if it is a regular file of ours with one link and its lock can be taken.
#include "commentlib/file_io/temporary_names.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>

namespace corvane {

namespace {

constexpr std::string_view kSuffix = ".tmp";

// Long names are shortened so the temporary's name stays within the 255-byte limit.
std::string temporaryPrefix(const std::string& fileName)
{
    constexpr size_t kMaxNamePart = 180;
    std::string prefix = ".";
    prefix.append(fileName, 0, kMaxNamePart);
    return prefix.append(".corvane-");
}

bool isNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(uint8_t(c)); });
}

// PID-TIME-COUNTER, exactly as uniqueTemporaryName writes them.
bool isOurSerial(std::string_view serial)
{
    for (int part = 0; part < 2; ++part) {
        const size_t dash = serial.find('-');
        if (dash == std::string_view::npos || !isNumber(serial.substr(0, dash)))
            return false;
        serial.remove_prefix(dash + 1);
    }
    return isNumber(serial);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void removeIfStale(int folder, const char* name)
{
    struct stat named {};
    if (fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !isOwnHelper(named))
        return;
    const int fd = openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    // A living writer holds its lock until it renames the temporary away.
    if (fstat(fd, &opened) == 0 && sameFile(opened, named) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named))
        unlinkat(folder, name, 0);
    close(fd);
}

}

std::string uniqueTemporaryName(const std::string& fileName)
{
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return temporaryPrefix(fileName) + std::to_string(getpid()) + "-" + std::to_string(now) + "-" +
           std::to_string(counter++) + std::string(kSuffix);
}

bool isTemporaryNameFor(std::string_view candidate, const std::string& fileName)
{
    if (fileName.empty()) {
        const size_t marker = candidate.rfind(".corvane-");
        return candidate.starts_with('.') && marker != std::string_view::npos && marker > 0 &&
               isTemporaryNameFor(candidate, std::string(candidate.substr(1, marker - 1)));
    }
    const std::string prefix = temporaryPrefix(fileName);
    if (!candidate.starts_with(prefix) || !candidate.ends_with(kSuffix) ||
        candidate.size() < prefix.size() + kSuffix.size())
        return false;
    return isOurSerial(candidate.substr(prefix.size(), candidate.size() - prefix.size() - kSuffix.size()));
}

void removeStaleTemporaries(int folder, const std::string& fileName)
{
    const int listFd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = listFd >= 0 ? fdopendir(listFd) : nullptr;
    if (!listing) {
        if (listFd >= 0)
            close(listFd);
        return;
    }
    while (const dirent* entry = readdir(listing))
        if (isTemporaryNameFor(entry->d_name, fileName))
            removeIfStale(folder, entry->d_name);
    closedir(listing);
}

std::string overwriteHelperName(const std::string& fileName, uint64_t inode, OverwriteHelper helper)
{
    return temporaryPrefix(fileName) + "keep-" + std::to_string(inode) +
           (helper == OverwriteHelper::OldContents ? ".old" : ".new");
}

bool isOwnHelper(const struct stat& helper)
{
    return S_ISREG(helper.st_mode) && helper.st_uid == geteuid() && helper.st_nlink == 1;
}

int32_t giveName(int folder, int file, std::string& currentName, const std::string& name)
{
    if (!currentName.empty()) {
        if (renameat(folder, currentName.c_str(), folder, name.c_str()) != 0)
            return statusFromErrno(errno, CORVANE_E_WRITE);
    } else {
        const std::string procPath = "/proc/self/fd/" + std::to_string(file);
        if (linkat(file, "", folder, name.c_str(), AT_EMPTY_PATH) != 0 &&
            linkat(AT_FDCWD, procPath.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return statusFromErrno(errno, CORVANE_E_WRITE);
    }
    currentName = name;
    return CORVANE_OK;
}

}
