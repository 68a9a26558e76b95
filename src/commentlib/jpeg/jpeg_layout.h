// The parts of a JPEG file's marker structure that matter to its comment, found by walking every segment
// from SOI to EOI (through the entropy-coded data). Only a header that cannot be parsed makes a file unusable:
// image data cut short or damaged is walked as far as it goes, and kept as it stands.
#pragma once

#include "commentlib/edit_plan.h"
#include "commentlib/jpeg/jpeg_metadata.h"
#include "commentlib/jpeg/multi_picture_index.h"

#include <optional>

namespace corvane::jpeg {

struct CommentSegment {
    SourceRange whole; // marker and length included
    SourceRange text;
};

struct Layout {
    std::vector<CommentSegment> comments; // every COM segment, in file order
    uint64_t insertAt = 2;                // where a new comment goes: after the leading APPn segments
    // A multi-picture index (APP2 "MPF") locates later pictures by their distance from itself: an edit rewrites it.
    std::optional<MultiPictureIndex> multiPictureIndex;
    MetadataSegments metadata; // found before the image data
};

std::optional<Layout> parseLayout(ByteView file);

// The segments before the image data, parsed from the first bytes of a file of `fileSize` bytes. `layout`
// holds only the comments found there; the entropy-coded data starts at `scanStart`.
struct Header {
    enum class Status { Complete, NeedsMoreBytes, Damaged };
    Status status = Status::Damaged;
    Layout layout;
    uint64_t scanStart = 0;
};

Header parseHeader(ByteView prefix, uint64_t fileSize);

}
