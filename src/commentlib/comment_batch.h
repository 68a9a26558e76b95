// One comment written into many files with grouped flushes. Each file keeps the single write's guarantee
// (its new bytes are durable before they replace the original, so a crash leaves every file old or new and
// whole), but a group of new files is made durable with one flush of their file system instead of one each,
// then renamed, then each folder is flushed once. A group is bounded by count and by bytes, so a batch of any
// length runs in constant memory and never stands more than one group's temporaries on disk.
#pragma once

#include "platform/pending_replacement.h"
#include "platform/source_file.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace corvane {

struct BatchLimits {
    size_t files = 128;
    uint64_t bytes = uint64_t(256) << 20;
};

class CommentBatch {
public:
    // Called once per file, in the order the files were added, with the file's final status.
    using Report = std::function<void(size_t index, int32_t status)>;

    CommentBatch(std::string text, Report report, BatchLimits limits = {});
    CommentBatch(const CommentBatch&) = delete;
    CommentBatch& operator=(const CommentBatch&) = delete;
    ~CommentBatch();

    void add(const std::string& path);
    // Writes what is still pending; the batch is then empty again.
    void finish();

private:
    struct Pending {
        size_t index = 0;
        std::unique_ptr<SourceFile> source;
        std::unique_ptr<PendingReplacement> replacement;
        int32_t status = 0;
    };

    void flushGroup();
    void makeGroupDurable();
    void commitGroup();

    std::string text_;
    Report report_;
    BatchLimits limits_;
    size_t added_ = 0;
    uint64_t groupBytes_ = 0;
    std::vector<Pending> group_;
    std::set<SourceFile::FolderId> cleanedFolders_;
};

}
