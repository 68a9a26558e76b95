// A picture file opened for editing. The path is resolved once (symbolic links followed, so a link itself is
// never replaced) and its folder is held open: every later step works relative to that folder, so swapping a
// folder on the path for a link elsewhere cannot redirect the write. Only as much of the file as an editor
// asks for is read, into our own buffer with plain reads; a file that another program shrinks or rewrites
// meanwhile is reported as changed, never allowed to take the reading program down. Opening it first finishes
// an overwrite in place that a killed writer left half done.
#pragma once

#include "commentlib/bytes.h"

#include <sys/stat.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

class SourceFile {
public:
    SourceFile() = default;
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    ~SourceFile();

    // Returns CORVANE_OK or a negative status; `file` holds the opened file on success, with its first
    // kFirstRead bytes (or all of a smaller file) in bytes().
    static int32_t open(const std::string& path, SourceFile& file);
    static constexpr uint64_t kFirstRead = 16 * 1024;

    using FolderId = std::pair<uint64_t, uint64_t>;

    // The first bytes of the file, as many as were asked for so far.
    ByteView bytes() const { return {bytes_.get(), loaded_}; }
    uint64_t size() const { return uint64_t(status_.st_size); }
    bool wholeInMemory() const { return loaded_ == size(); }
    // Extends bytes() to the first `length` bytes (all of them when the file is shorter).
    int32_t load(uint64_t length);
    int32_t loadWhole() { return load(size()); }

    // Makes whole() as large as the file (only the pages read into are ever touched), so that parts of it can
    // be read anywhere with loadRange().
    int32_t readAnywhere();
    // Every byte at its offset once readAnywhere() was called, of which only bytes() and the ranges loaded
    // were read: an editor that works on it asks holds() before it reads anywhere else. Until then the same
    // as bytes().
    ByteView whole() const { return {bytes_.get(), anywhere_ ? size_t(size()) : loaded_}; }
    bool holds(uint64_t offset, uint64_t length) const;
    // Reads the blocks around [offset, offset + length) (clipped to the file) into whole().
    int32_t loadRange(uint64_t offset, uint64_t length);
    // Hands `consume` the bytes of [from, from + length) in order, a chunk at a time, without keeping them;
    // stops early when it returns false. Not reentrant: `consume` must not stream itself.
    // Whoever acts on what was read checks checkUnchanged() once reading is done.
    int32_t stream(uint64_t from, uint64_t length, const std::function<bool(ByteView)>& consume) const;
    // Once the new file is written, a batch keeps only what the commit needs.
    void releaseBytes()
    {
        bytes_.reset();
        loaded_ = 0;
        anywhere_ = false;
        blocks_.clear();
    }
    int descriptor() const { return descriptor_; }
    // Hands over the file's descriptor to the caller, once nothing more is to be read or checked.
    int takeDescriptor() { return std::exchange(descriptor_, -1); }
    int folder() const { return folder_; }
    const std::string& name() const { return name_; }
    // The path of the file `name` in the same folder, spelled as the path the file was opened by spells its
    // folder (the folder of a symbolic link's target, where the path ends in one).
    std::string siblingPath(std::string_view name) const { return siblingPrefix_ + std::string(name); }
    const struct stat& status() const { return status_; }
    uint64_t device() const { return status_.st_dev; }
    FolderId folderId() const { return folderId_; }

    // CORVANE_E_CHANGED when the file's size or times moved since it was read.
    int32_t checkUnchanged() const;
    // CORVANE_E_REPLACED when the name in the held folder no longer refers to the file that was read.
    int32_t checkStillNamed() const;

private:
    static constexpr uint64_t kBlock = 64 * 1024;

    int32_t readExactly(uint8_t* out, uint64_t offset, uint64_t length) const;

    int descriptor_ = -1;
    int folder_ = -1;
    std::string name_;
    std::string siblingPrefix_; // the folder part of the path, up to and with its last slash
    struct stat status_ {};
    FolderId folderId_;
    std::unique_ptr<uint8_t[]> bytes_; // the first loaded_ bytes, or (anywhere_) the size of the file
    size_t loaded_ = 0;
    bool anywhere_ = false;
    std::vector<bool> blocks_; // read by loadRange, one flag per kBlock bytes
};

}
