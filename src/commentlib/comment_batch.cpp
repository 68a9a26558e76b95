#include "comment_batch.h"

#include "comment_file.h"
#include "corvane.h"
#include "platform/temporary_names.h"

#include <map>
#include <set>
#include <utility>

namespace corvane {

CommentBatch::CommentBatch(std::string text, Report report, BatchLimits limits)
    : text_(std::move(text)), report_(std::move(report)), limits_(limits)
{
}

CommentBatch::~CommentBatch()
{
    finish();
}

void CommentBatch::add(const std::string& path)
{
    const size_t index = added_++;
    auto source = std::make_unique<SourceFile>();
    auto replacement = std::make_unique<PendingReplacement>();
    const int32_t status =
        stageComment(path, text_, *source, *replacement, PendingReplacement::Cleanup::AlreadyDone);
    if (status != CORVANE_OK || !replacement->prepared()) {
        // Earlier files still go first, so reports keep the order of the files.
        flushGroup();
        report_(index, status);
        return;
    }
    // Our own new file has no name yet (or a live lock), so cleaning up after writing it is safe.
    if (cleanedFolders_.insert(source->folderId()).second)
        removeStaleTemporaries(source->folder(), {});
    source->releaseBytes();
    groupBytes_ += source->size();
    group_.push_back({index, std::move(source), std::move(replacement), CORVANE_OK});
    if (group_.size() >= limits_.files || groupBytes_ >= limits_.bytes)
        flushGroup();
}

void CommentBatch::finish()
{
    flushGroup();
}

void CommentBatch::flushGroup()
{
    makeGroupDurable();
    commitGroup();
    for (const Pending& pending : group_)
        report_(pending.index, pending.status);
    group_.clear();
    groupBytes_ = 0;
}

// One flush per file system holding several of the group's files (a lone file is flushed on its own, which
// leaves other programs' unwritten data alone); where that fails, each of its files is flushed on its own.
void CommentBatch::makeGroupDurable()
{
    std::map<uint64_t, size_t> filesOnDevice;
    for (const Pending& pending : group_)
        if (pending.status == CORVANE_OK)
            ++filesOnDevice[pending.source->device()];
    std::set<uint64_t> attempted, flushed;
    for (Pending& pending : group_) {
        const uint64_t device = pending.source->device();
        if (pending.status == CORVANE_OK && filesOnDevice[device] > 1 && attempted.insert(device).second &&
            syncFileSystemOf(pending.replacement->descriptor()) == CORVANE_OK)
            flushed.insert(device);
    }
    for (Pending& pending : group_)
        if (pending.status == CORVANE_OK && !flushed.count(pending.source->device()))
            pending.status = pending.replacement->makeDurable();
}

void CommentBatch::commitGroup()
{
    std::map<SourceFile::FolderId, int32_t> folders;
    for (Pending& pending : group_) {
        if (pending.status == CORVANE_OK)
            pending.status = pending.replacement->commit(*pending.source);
        if (pending.status == CORVANE_OK)
            folders.emplace(pending.source->folderId(), pending.source->folder());
    }
    for (auto& [id, folder] : folders)
        folder = syncFolder(folder);
    for (Pending& pending : group_)
        if (pending.status == CORVANE_OK)
            pending.status = folders.at(pending.source->folderId());
}

}
