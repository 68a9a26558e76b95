// A picture file opened for editing. The path is resolved once (symbolic links followed, so a link itself is
// never replaced) and its folder is held open: every later step works relative to that folder, so swapping a
// folder on the path for a link elsewhere cannot redirect the write. The bytes are read into our own buffer
// with plain reads; a file that another program shrinks or rewrites meanwhile is reported as changed, never
// allowed to take the reading program down.
#pragma once

#include "bytes.h"

#include <sys/stat.h>

#include <string>
#include <utility>

namespace corvane {

class SourceFile {
public:
    SourceFile() = default;
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile();

    // Returns CORVANE_OK or a negative status; `file` holds the opened file on success.
    static int32_t open(const std::string& path, SourceFile& file);

    using FolderId = std::pair<uint64_t, uint64_t>;

    ByteView bytes() const { return bytes_; }
    // Once the new file is written, a batch keeps only what the commit needs.
    void releaseBytes() { Bytes().swap(bytes_); }
    int descriptor() const { return descriptor_; }
    int folder() const { return folder_; }
    const std::string& name() const { return name_; }
    const struct stat& status() const { return status_; }
    uint64_t device() const { return status_.st_dev; }
    FolderId folderId() const { return folderId_; }

    // CORVANE_E_CHANGED when the file's size or times moved since it was read.
    int32_t checkUnchanged() const;
    // CORVANE_E_REPLACED when the name in the held folder no longer refers to the file that was read.
    int32_t checkStillNamed() const;

private:
    int32_t read();

    int descriptor_ = -1;
    int folder_ = -1;
    std::string name_;
    struct stat status_ {};
    FolderId folderId_;
    Bytes bytes_;
};

}
