// Replacements are sorted by offset (an insertion before a removal at the same offset) and those that meet end to end
// merged into one, before they become an edit plan.
#include "commentlib/replacement_list.h"

#include <algorithm>

namespace corvane {

void orderReplacements(std::vector<Replacement>& edits)
{
    std::stable_sort(edits.begin(), edits.end(), [](const Replacement& a, const Replacement& b) {
        return a.offset < b.offset || (a.offset == b.offset && a.removedLength == 0 && b.removedLength > 0);
    });
    std::vector<Replacement> merged;
    for (Replacement& edit : edits) {
        if (!merged.empty() && merged.back().offset + merged.back().removedLength == edit.offset) {
            merged.back().removedLength += edit.removedLength;
            merged.back().inserted.insert(merged.back().inserted.end(), edit.inserted.begin(), edit.inserted.end());
            continue;
        }
        merged.push_back(std::move(edit));
    }
    edits = std::move(merged);
}

EditPlan planOf(uint64_t fileSize, std::vector<Replacement> edits)
{
    orderReplacements(edits);
    EditPlan plan(fileSize);
    for (Replacement& edit : edits)
        plan.replace(edit.offset, edit.removedLength, std::move(edit.inserted));
    return plan;
}

}
