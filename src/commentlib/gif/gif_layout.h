// The block structure of a GIF file, walked from the header to the trailer.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>

namespace corvane::gif {

struct CommentExtension {
    SourceRange whole;               // introducer to block terminator
    std::vector<SourceRange> blocks; // the data of each sub-block
};

struct Layout {
    std::vector<CommentExtension> comments;
    uint64_t afterColourTable = 0;
    size_t extensions = 0; // of every kind, comments included
};

inline constexpr uint64_t kVersionOffset = 3;

std::optional<Layout> parseLayout(ByteView file);

}
