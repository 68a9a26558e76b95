// One comment written into many files with grouped flushes. Each file keeps the single write's guarantee
// (its new bytes are durable before they replace the original, so a crash leaves every file old or new and
// whole), but a group of new files is made durable with one flush of their file system instead of one each,
// then renamed, then each folder is flushed once. While one group is flushed and renamed, the next is written.
// Groups are bounded by count and by bytes, so a batch of any length runs in constant memory and never holds
// more than two groups' new files. A camera RAW's sidecar is written on its own, as it is added; a picture's own
// sidecar is kept in step once the picture is renamed.
#pragma once

#include "commentlib/comment_file.h"
#include "commentlib/file_io/background_closer.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/file_io/source_file.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace corvane {

// Two groups are in hand at once (one being written while the next is prepared).
struct BatchLimits {
    size_t files = 32;
    uint64_t bytes = uint64_t(64) << 20;
};

class CommentBatch {
public:
    // Called once per file, in the order the files were added, with the file's final status and what its write
    // did to a sidecar (a camera RAW's comment goes into its sidecar alone).
    using Report = std::function<void(size_t index, int32_t status, const SidecarWrite& sidecar)>;

    CommentBatch(std::string text, Report report, BatchLimits limits = {});
    CommentBatch(const CommentBatch&) = delete;
    CommentBatch& operator=(const CommentBatch&) = delete;
    ~CommentBatch();

    void add(const std::string& path);
    // Writes what is still pending; the batch is then empty again.
    void finish();

    // A file of the batch: its new file waiting for the group's flush, or (without a replacement) its final
    // status, reported in its turn.
    struct Pending {
        size_t index = 0;
        std::unique_ptr<SourceFile> source;
        std::unique_ptr<PendingReplacement> replacement;
        int32_t status = 0;
        int32_t notice = 0; // reported in place of success
        SidecarWrite sidecar;
    };

private:
    void startWriting();
    void finishWriting();

    std::string text_;
    Report report_;
    BatchLimits limits_;
    size_t added_ = 0;
    uint64_t groupBytes_ = 0;
    size_t groupWrites_ = 0;
    std::vector<Pending> group_;
    std::vector<Pending> writing_;
    std::thread writer_;
    std::set<SourceFile::FolderId> cleanedFolders_;
    // The replaced originals, whose blocks are freed while the next group is written.
    BackgroundCloser replacedFiles_;
};

}
