// An edit of a file expressed against its original bytes: a sorted list of replacements. Editors only
// describe what changes; the unchanged bulk is copied straight from the original (in memory, or file to file
// by the kernel), which keeps edits of large pictures cheap and keeps every other byte exactly as it was.
#pragma once

#include "commentlib/bytes.h"
#include "commentlib/stream_check.h"

#include <optional>
#include <variant>

namespace corvane {

struct Replacement {
    uint64_t offset = 0;
    uint64_t removedLength = 0;
    Bytes inserted;
};

struct SourceRange {
    uint64_t offset = 0;
    uint64_t length = 0;
};

// The part of the original, from `from` to its end, that the editor planned without reading: it is copied
// unchanged, each byte seen by a fresh `check` on the way.
struct UnreadPart {
    uint64_t from = 0;
    StreamCheckFactory check;
};

using Piece = std::variant<SourceRange, Bytes>;

class EditPlan {
public:
    explicit EditPlan(uint64_t originalSize = 0) : originalSize_(originalSize) {}

    // Replacements must be added in increasing offset order and must not overlap.
    void replace(uint64_t offset, uint64_t removedLength, Bytes inserted);
    void remove(uint64_t offset, uint64_t length) { replace(offset, length, {}); }
    void insert(uint64_t offset, Bytes inserted) { replace(offset, 0, std::move(inserted)); }

    uint64_t originalSize() const { return originalSize_; }
    const std::vector<Replacement>& replacements() const { return replacements_; }

    // Replacements must all lie before `from`.
    void leaveUnread(uint64_t from, StreamCheckFactory check);
    const std::optional<UnreadPart>& unreadPart() const { return unread_; }

    // The new file as a sequence of original ranges and new bytes, adjacent original ranges merged.
    std::vector<Piece> pieces() const;
    uint64_t resultSize() const;
    bool leavesUnchanged(ByteView original) const;
    Bytes applyTo(ByteView original) const;

private:
    uint64_t originalSize_;
    std::vector<Replacement> replacements_;
    std::optional<UnreadPart> unread_;
};

// Appends to `plan` the removal of every range of `removals` (sorted, disjoint) and the insertion of
// `inserted` at `insertAt`; an insertion that meets a removal's start replaces that range in one step.
void spliceInto(EditPlan& plan, const std::vector<SourceRange>& removals, uint64_t insertAt, Bytes inserted);

}
