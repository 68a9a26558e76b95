// Edits gathered from several fields of a file, put in the order an edit plan takes them.
#pragma once

#include "commentlib/edit_plan.h"

namespace corvane {

// Sorts by offset, insertions ahead of a replacement at the same offset, otherwise keeping their order, and
// joins edits that touch, so an edit that writes back the same bytes is seen to change nothing.
void orderReplacements(std::vector<Replacement>& edits);

// An edit plan of `fileSize` bytes made of `edits`.
EditPlan planOf(uint64_t fileSize, std::vector<Replacement> edits);

}
