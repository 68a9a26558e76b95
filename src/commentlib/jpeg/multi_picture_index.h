// A JPEG's multi-picture index (the APP2 "MPF" segment) lists the pictures stored after the first one by their
// distance from the index's own header, and the first picture's length. An edit of the first picture's
// segments changes that length and, where it lies after the index, moves every later picture: the index is
// rewritten to match, at its own length, so each picture stays where the index says it is.
#pragma once

#include "commentlib/edit_plan.h"

namespace corvane::jpeg {

struct MultiPictureIndex {
    SourceRange segment; // marker and length included
    Bytes bytes;         // the segment as it stands in the file
};

bool isMultiPictureIndex(uint8_t marker, ByteView payload);

// `plan` (an edit of the first picture only) with the index rewritten to follow it. Nothing when the edit moves
// later pictures but the index cannot be read or its new offsets cannot be stored: such an edit is refused.
std::optional<EditPlan> followedByIndex(const EditPlan& plan, const MultiPictureIndex& index);

}
