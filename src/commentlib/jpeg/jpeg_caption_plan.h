// The edits that put a caption into a JPEG's caption fields besides its COM segments: ImageDescription in the
// EXIF segment (a minimal one made when there is none), dc:description in the XMP packet (likewise, and out of
// its extension) and Caption-Abstract in IPTC where the file has IPTC. An empty text removes them, and a
// segment left holding nothing goes whole. A field that cannot take the text loses its old caption instead.
#pragma once

#include "commentlib/corvane.h"
#include "commentlib/edit_plan.h"
#include "commentlib/jpeg/jpeg_layout.h"

#include <string_view>

namespace corvane::jpeg {

struct CaptionEdits {
    std::vector<Replacement> edits; // in file order, not overlapping
    // CORVANE_PARTIAL when a field could not take the text (its segment would outgrow 64 KB, or its data
    // could not be parsed), CORVANE_PARTIAL_XMP when that was the XMP packet's: the others still get it.
    int32_t notice = CORVANE_OK;
    // A status that refuses the whole edit: a caption that can be neither replaced nor removed would
    // outlive the new text in the field read first.
    int32_t refusal = CORVANE_OK;
};

// `file` holds at least the segments before the image data.
CaptionEdits captionEdits(ByteView file, const Layout& layout, std::string_view text);

}
