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
    PlanResult planned;
    if (const int32_t status = openAndPlan(path, text_, *source, planned); status != CORVANE_OK) {
        // Earlier files still go first, so reports keep the order of the files.
        flushGroup();
        report_(index, status);
        return;
    }
    if (planned.plan.leavesUnchanged(source->bytes())) {
        flushGroup();
        report_(index, CORVANE_OK);
        return;
    }
    if (cleanedFolders_.insert(source->folderId()).second)
        removeStaleTemporaries(source->folder(), {});
    auto replacement = std::make_unique<PendingReplacement>();
    const int32_t status = replacement->prepare(*source, planned.plan, PendingReplacement::Cleanup::AlreadyDone);
    source->releaseBytes();
    groupBytes_ += planned.plan.resultSize();
    group_.push_back({index, std::move(source), std::move(replacement), status});
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

// One flush per file system in the group; where that fails, each of its files is flushed on its own.
void CommentBatch::makeGroupDurable()
{
    std::set<uint64_t> attempted, flushed;
    for (Pending& pending : group_) {
        const uint64_t device = pending.source->device();
        if (pending.status == CORVANE_OK && attempted.insert(device).second &&
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
