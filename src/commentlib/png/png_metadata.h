// The caption fields a PNG keeps besides its own "Description" and "Comment" texts: dc:description in the XMP
// packet (its iTXt chunk, or a raw profile), ImageDescription in EXIF (the eXIf chunk, which holds the block
// without the header a JPEG segment gives it, or a raw profile) and Caption-Abstract in IPTC (a raw profile of
// datasets or of image resources). Every copy is kept in step: a reader may take any of them.
#pragma once

#include "commentlib/corvane.h"

#include "commentlib/edit_plan.h"
#include "commentlib/fields/caption_fields.h"
#include "commentlib/png/png_layout.h"

#include <string_view>

namespace corvane::png {

// ImageDescription, dc:description and Caption-Abstract, in reading order.
std::vector<CaptionField> metadataFields(ByteView file, const Layout& layout);

struct MetadataEdits {
    std::vector<Replacement> edits;
    // CORVANE_PARTIAL when a field could not take the text (and lost its old caption instead),
    // CORVANE_PARTIAL_XMP when the XMP packet could not be parsed and was left as it was.
    int32_t notice = CORVANE_OK;
};

// The edits that give every field `text` (an empty text removes it, and a chunk left holding nothing goes);
// an XMP chunk is made when the file has no packet.
MetadataEdits metadataEdits(ByteView file, const Layout& layout, std::string_view text);

}
