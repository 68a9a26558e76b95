#include "platform/source_file.h"

#include "corvane.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// TIFF offsets stop at 4 GiB, and no picture we edit comes near that.
constexpr uint64_t kMaxFileSize = uint64_t(4) << 30;

}

SourceFile::~SourceFile()
{
    if (mapped_)
        munmap(const_cast<uint8_t*>(mapped_), size_);
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
    if (info.st_size == 0)
        return CORVANE_OK;
    void* mapped = mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE, file.descriptor_, 0);
    if (mapped == MAP_FAILED)
        return CORVANE_E_OPEN;
    file.mapped_ = static_cast<const uint8_t*>(mapped);
    file.size_ = size_t(info.st_size);
    return CORVANE_OK;
}

}
