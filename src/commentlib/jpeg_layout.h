// The parts of a JPEG file's marker structure that matter to its comment, found by walking every segment
// from SOI to EOI (through the entropy-coded data) so a truncated or malformed file is recognised as such.
#pragma once

#include "edit_plan.h"

#include <optional>

namespace corvane::jpeg {

struct CommentSegment {
    SourceRange whole;  // marker and length included
    SourceRange text;
};

struct Layout {
    std::vector<CommentSegment> comments;  // every COM segment, in file order
    uint64_t insertAt = 2;              // where a new comment goes: after the leading APPn segments
    // A multi-picture index (APP2 "MPF") locates later pictures by their distance from itself, so no byte
    // count may change between it and the end of the first picture.
    std::optional<uint64_t> multiPictureIndexAt;
};

std::optional<Layout> parseLayout(ByteView file);

}
