// A new file standing beside the one it will replace, so a half-written file is never exposed: the new content
// (which takes over the original's permissions, owner and extended attributes) is flushed to disk and renamed
// over the original in one step, then the folder is flushed. Where the new file cannot carry the original's
// identity (a file with several hard links, or an owner or group this writer cannot give it), its bytes are
// written into the original instead, crash-safe (in_place_overwrite.h). Three steps, so a batch can group the
// costly one: prepare (write the new bytes and the original's metadata), make durable, then commit (check the
// name still refers to the file that was read, and rename over it or overwrite it). Destroying it before the
// commit removes the new file.
#pragma once

#include "commentlib/edit_plan.h"
#include "commentlib/file_io/source_file.h"

#include <string>

namespace corvane {

class PendingReplacement {
public:
    PendingReplacement() = default;
    PendingReplacement(const PendingReplacement&) = delete;
    PendingReplacement& operator=(const PendingReplacement&) = delete;
    ~PendingReplacement();

    enum class Cleanup { ThisFile, AlreadyDone };
    // Removes a killed writer's temporaries of this file first, unless a batch does for the whole folder. May
    // be called again after a failure.
    int32_t prepare(const SourceFile& source, const EditPlan& plan, Cleanup cleanup = Cleanup::ThisFile);
    // One flush of the new file; a batch flushes the whole file system once instead.
    int32_t makeDurable();
    int32_t commit(const SourceFile& source);
    // The three steps after prepare for a file written on its own, then the flush of its folder. CORVANE_OK
    // or a negative status; on failure the original is untouched and no temporary remains.
    int32_t replaceAlone(const SourceFile& source);

    bool prepared() const { return file_ >= 0; }
    int descriptor() const { return file_; }

private:
    // Closes the new file, removing it first while it still has a temporary name of its own.
    void closeNewFile();
    int32_t failWith(int32_t status);
    int32_t keepIdentityInPlace(const SourceFile& source);
    int32_t takeMetadata(const SourceFile& source);
    int32_t renameOver(const SourceFile& source);

    int folder_ = -1; // the source's, not owned
    int file_ = -1;
    std::string name_;  // empty while the new file has no name (O_TMPFILE)
    int original_ = -1; // open for writing when the original is overwritten in place
};

// The folder is flushed once after the renames into it.
int32_t syncFolder(int folder);
int32_t syncFileSystemOf(int descriptor);

}
