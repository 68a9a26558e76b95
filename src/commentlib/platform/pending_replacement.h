// A new file standing beside the one it will replace, in three steps so a batch can group the costly one:
// prepare (write the new bytes and the original's metadata), make durable, then commit (check the name still
// refers to the file that was read, and rename over it). Destroying it before the commit removes the new file.
#pragma once

#include "edit_plan.h"
#include "platform/source_file.h"

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

    bool prepared() const { return file_ >= 0; }
    int descriptor() const { return file_; }

private:
    int32_t fail(int32_t status);

    int folder_ = -1;  // the source's, not owned
    int file_ = -1;
    std::string name_;  // empty while the new file has no name (O_TMPFILE)
};

// The folder is flushed once after the renames into it.
int32_t syncFolder(int folder);
int32_t syncFileSystemOf(int descriptor);

}
