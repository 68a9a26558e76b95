// Files are staged one by one into a group; a group that reaches its file or byte limit is flushed and renamed on a
// thread of its own while the next is staged, and every file is reported in the order it was added.
#include "commentlib/comment_batch.h"

#include "commentlib/comment_file.h"
#include "commentlib/corvane.h"
#include "commentlib/file_io/temporary_names.h"

#include <map>
#include <set>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

using Group = std::vector<CommentBatch::Pending>;

bool writes(const CommentBatch::Pending& pending)
{
    return pending.replacement && pending.status == CORVANE_OK;
}

// One flush per file system holding several of the group's files (a lone file is flushed on its own, which
// leaves other programs' unwritten data alone); where that fails, each of its files is flushed on its own.
void makeDurable(Group& group)
{
    std::map<uint64_t, size_t> filesOnDevice;
    for (const auto& pending : group)
        if (writes(pending))
            ++filesOnDevice[pending.source->device()];
    std::set<uint64_t> attempted, flushed;
    for (const auto& pending : group) {
        const uint64_t device = pending.source ? pending.source->device() : 0;
        if (writes(pending) && filesOnDevice[device] > 1 && attempted.insert(device).second &&
            syncFileSystemOf(pending.replacement->descriptor()) == CORVANE_OK)
            flushed.insert(device);
    }
    for (auto& pending : group)
        if (writes(pending) && !flushed.count(pending.source->device()))
            pending.status = pending.replacement->makeDurable();
}

// Renames each new file over its original, then flushes each folder once.
void commit(Group& group)
{
    std::map<SourceFile::FolderId, int32_t> folders;
    for (auto& pending : group) {
        if (writes(pending))
            pending.status = pending.replacement->commit(*pending.source);
        if (writes(pending))
            folders.emplace(pending.source->folderId(), pending.source->folder());
    }
    for (auto& [id, folder] : folders)
        folder = syncFolder(folder);
    for (auto& pending : group)
        if (writes(pending))
            pending.status = folders.at(pending.source->folderId());
}

void write(Group& group)
{
    try {
        makeDurable(group);
        commit(group);
    } catch (const std::bad_alloc&) {
        // Whatever was not renamed yet stays as it was; its new file goes with the replacement.
        for (auto& pending : group)
            if (writes(pending) && pending.replacement->prepared())
                pending.status = CORVANE_E_MEMORY;
    }
}

}

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
    SidecarWrite sidecar;
    int32_t status =
        stageComment(path, text_, *source, *replacement, PendingReplacement::Cleanup::AlreadyDone, sidecar);
    if (status < CORVANE_OK || !replacement->prepared()) {
        // A picture that holds the text already still has its sidecar brought in step.
        if (status >= CORVANE_OK && !sidecar.raw)
            status = keepSidecarInStep(*source, text_, status, sidecar);
        // Reported in its turn, after the files before it.
        group_.push_back({index, nullptr, nullptr, status, CORVANE_OK, std::move(sidecar)});
        return;
    }
    // Our own new file has no name yet (or a live lock), so cleaning up after writing it is safe.
    if (cleanedFolders_.insert(source->folderId()).second)
        removeStaleTemporaries(source->folder(), {});
    source->releaseBytes();
    groupBytes_ += source->size();
    ++groupWrites_;
    group_.push_back({index, std::move(source), std::move(replacement), CORVANE_OK, status, std::move(sidecar)});
    if (groupWrites_ >= limits_.files || groupBytes_ >= limits_.bytes)
        startWriting();
}

void CommentBatch::finish()
{
    startWriting();
    finishWriting();
}

// The group is flushed and renamed on a thread of its own while the next group is prepared; only one group is
// ever being written, so the files waiting for their rename never exceed two groups.
void CommentBatch::startWriting()
{
    finishWriting();
    if (group_.empty())
        return;
    writing_ = std::move(group_);
    group_.clear();
    groupBytes_ = 0;
    groupWrites_ = 0;
    try {
        writer_ = std::thread([this] { write(writing_); });
    } catch (const std::system_error&) {
        write(writing_);
    }
}

void CommentBatch::finishWriting()
{
    if (writer_.joinable())
        writer_.join();
    for (Pending& pending : writing_) {
        if (pending.source && pending.status == CORVANE_OK)
            pending.notice = keepSidecarInStep(*pending.source, text_, pending.notice, pending.sidecar);
        if (pending.source)
            replacedFiles_.close(pending.source->takeDescriptor());
        report_(pending.index, pending.status == CORVANE_OK ? pending.notice : pending.status, pending.sidecar);
    }
    writing_.clear();
}

}
