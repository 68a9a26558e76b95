// WebP: the comment is the caption in the EXIF chunk (ImageDescription) and the XMP chunk (dc:description),
// read in that order. A write edits or adds those chunks after the picture's own (a new EXIF chunk goes before
// an XMP chunk, anything new at the end of the RIFF), keeps every other chunk, frame and byte of the picture,
// keeps VP8X's EXIF and XMP flags true and the RIFF size right, and turns a simple file into an extended one
// when it first takes a caption. An erase removes a chunk left holding nothing.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::webp {

ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
