// Writes the new file of an edit plan: new bytes as they are, unchanged ranges copied file to file by the
// kernel where it can, and the part the plan was made without read once for its check (beside the kernel's
// copy when it is large, on the way through our buffer when it is small). The
// disk starts writing the new file while it is still being copied, so the flush that follows finds little
// left to wait for.
#pragma once

#include "commentlib/edit_plan.h"
#include "commentlib/file_io/source_file.h"

#include <atomic>
#include <optional>

namespace corvane {

class NewFileWriter {
public:
    NewFileWriter(const SourceFile& source, int target) : source_(source), target_(target) {}

    // CORVANE_OK, a write status, or what the unread part's check answered.
    int32_t write(const EditPlan& plan);

private:
    // Small pieces (the edited head of a file, new bytes) are gathered and written together.
    int32_t writeBytes(ByteView bytes);
    int32_t writeGathered();
    int32_t writeNow(ByteView bytes);
    int32_t copyPiece(SourceRange range, const std::optional<UnreadPart>& unread);
    int32_t copyRange(SourceRange range, const std::atomic<bool>* stop = nullptr);
    int32_t copyThroughMemory(SourceRange range, StreamCheck* check = nullptr);
    int32_t copyChecked(SourceRange range, StreamCheck& check);
    std::optional<int32_t> copyBesideCheck(SourceRange range, StreamCheck& check);
    void advance(uint64_t length);
    void startWriteback();

    const SourceFile& source_;
    int target_;
    uint64_t written_ = 0;
    uint64_t writebackStarted_ = 0;
    Bytes gathered_;
};

}
