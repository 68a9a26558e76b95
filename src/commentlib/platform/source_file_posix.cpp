#include "platform/source_file.h"

#include "corvane.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace corvane {

namespace {

// Whole files are held in memory while edited; TIFF offsets stop at 4 GiB anyway.
constexpr uint64_t kMaxFileSize = uint64_t(2) << 30;

bool readAll(int descriptor, Bytes& bytes)
{
    uint64_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = pread(descriptor, bytes.data() + done, bytes.size() - done, off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += uint64_t(got);
    }
    return true;
}

}

SourceFile::~SourceFile()
{
    if (descriptor_ >= 0)
        close(descriptor_);
}

int32_t SourceFile::open(const std::string& path, SourceFile& file)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return CORVANE_E_OPEN;
    file.realPath_ = resolved;
    std::free(resolved);
    file.descriptor_ = ::open(file.realPath_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (file.descriptor_ < 0 || fstat(file.descriptor_, &info) != 0 || !S_ISREG(info.st_mode))
        return CORVANE_E_OPEN;
    if (uint64_t(info.st_size) > kMaxFileSize)
        return CORVANE_E_TOO_LARGE;
    file.bytes_.resize(size_t(info.st_size));
    return readAll(file.descriptor_, file.bytes_) ? CORVANE_OK : CORVANE_E_OPEN;
}

}
