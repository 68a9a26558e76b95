// Replacements must arrive in file order and keep out of the part left unread: breaking that is a fault of the editor,
// not of the file, and throws. The ordered list gives the plan's pieces, its size and its result in memory.
#include "commentlib/edit_plan.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

void EditPlan::replace(uint64_t offset, uint64_t removedLength, Bytes inserted)
{
    const uint64_t previousEnd =
        replacements_.empty() ? 0 : replacements_.back().offset + replacements_.back().removedLength;
    const bool intoUnread = unread_ && offset + removedLength > unread_->from;
    if (offset < previousEnd || !fits(originalSize_, offset, removedLength) || intoUnread)
        throw std::logic_error("edit plan replacements out of order");
    if (removedLength == 0 && inserted.empty())
        return;
    replacements_.push_back({offset, removedLength, std::move(inserted)});
}

void EditPlan::leaveUnread(uint64_t from, StreamCheckFactory check)
{
    const uint64_t editsEnd =
        replacements_.empty() ? 0 : replacements_.back().offset + replacements_.back().removedLength;
    if (from < editsEnd || from > originalSize_)
        throw std::logic_error("edit plan leaves an edited part unread");
    unread_ = UnreadPart{from, std::move(check)};
}

std::vector<Piece> EditPlan::pieces() const
{
    std::vector<Piece> result;
    uint64_t cursor = 0;
    for (const Replacement& replacement : replacements_) {
        if (replacement.offset > cursor)
            result.emplace_back(SourceRange{cursor, replacement.offset - cursor});
        if (!replacement.inserted.empty())
            result.emplace_back(replacement.inserted);
        cursor = replacement.offset + replacement.removedLength;
    }
    if (cursor < originalSize_)
        result.emplace_back(SourceRange{cursor, originalSize_ - cursor});
    return result;
}

uint64_t EditPlan::resultSize() const
{
    uint64_t size = originalSize_;
    for (const Replacement& replacement : replacements_)
        size = size - replacement.removedLength + replacement.inserted.size();
    return size;
}

bool EditPlan::leavesUnchanged(ByteView original) const
{
    return std::all_of(replacements_.begin(), replacements_.end(), [&](const Replacement& replacement) {
        ByteView removed = original.subspan(replacement.offset, replacement.removedLength);
        return std::equal(removed.begin(), removed.end(), replacement.inserted.begin(), replacement.inserted.end());
    });
}

Bytes EditPlan::applyTo(ByteView original) const
{
    Bytes result;
    result.reserve(resultSize());
    for (const Piece& piece : pieces()) {
        if (const auto* range = std::get_if<SourceRange>(&piece)) {
            ByteView kept = original.subspan(range->offset, range->length);
            result.insert(result.end(), kept.begin(), kept.end());
        } else {
            const Bytes& inserted = std::get<Bytes>(piece);
            result.insert(result.end(), inserted.begin(), inserted.end());
        }
    }
    return result;
}

void spliceInto(EditPlan& plan, const std::vector<SourceRange>& removals, uint64_t insertAt, Bytes inserted)
{
    bool pending = !inserted.empty();
    for (const SourceRange& removal : removals) {
        // An insertion point inside a removed range moves to that range's start.
        if (pending && insertAt < removal.offset + removal.length) {
            if (insertAt < removal.offset) {
                plan.insert(insertAt, std::move(inserted));
                plan.remove(removal.offset, removal.length);
            } else {
                plan.replace(removal.offset, removal.length, std::move(inserted));
            }
            pending = false;
            continue;
        }
        plan.remove(removal.offset, removal.length);
    }
    if (pending)
        plan.insert(insertAt, std::move(inserted));
}

}
