// TIFF: the comment is the ImageDescription tag (270) of the first IFD, kept in step with the XMP packet's
// description (tag 700) and, where the file has IPTC (tag 33723), its caption and digest. The first IFD is
// rewritten, with the new values, at the end of the file and the header points at it; every other byte keeps
// its offset, so all other directories and the image data stay valid. A first IFD that already sits at the end of the file
// (as after an earlier edit) is overwritten in place instead of leaving a stale copy behind, and the bytes
// of a directory or value no longer in use are blanked.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/tiff/tiff_layout.h"

#include <string_view>

namespace corvane::tiff {

bool looksLike(ByteView file);

// The comment read, and the edit that makes `text` the comment (an empty text removes the ImageDescription
// tag and the other captions), from a layout already parsed; `file` needs to hold only the directories and
// the description.
std::optional<SourceRange> descriptionText(const Layout& layout);
ReadResult commentOf(ByteView file, const Layout& layout);
PlanResult planFor(ByteView file, const Layout& layout, std::string_view text);

}
