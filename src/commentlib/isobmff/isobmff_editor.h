// HEIF, HEIC and AVIF: the comment is the caption in the Exif item (ImageDescription) and the XMP item
// (dc:description) describing the primary item, read in that order. A write puts new payloads in a new mdat
// box at the end of the file and changes only the item tables; a file whose items cannot be edited that way
// is refused and left as it was.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::isobmff {

ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
