// A picture file opened for editing: the path it really lives at (symbolic links followed, so the link
// itself is never replaced), its bytes, and the open descriptor the replacement copies unchanged ranges from.
// The bytes are mapped rather than read: editing a comment touches little of a large picture, and copying
// all of it into memory first would cost more than the whole edit.
#pragma once

#include "bytes.h"

#include <string>

namespace corvane {

class SourceFile {
public:
    SourceFile() = default;
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile();

    // Returns CORVANE_OK or a negative status; `file` holds the opened file on success.
    static int32_t open(const std::string& path, SourceFile& file);

    ByteView bytes() const { return {mapped_, size_}; }
    const std::string& realPath() const { return realPath_; }
    int descriptor() const { return descriptor_; }

private:
    int descriptor_ = -1;
    std::string realPath_;
    const uint8_t* mapped_ = nullptr;
    size_t size_ = 0;
};

}
