// PNG: the comment is a text chunk with the keyword "Comment": tEXt for ASCII text, iTXt (UTF-8) otherwise,
// placed before the first IDAT, and the caption fields of its metadata (XMP, EXIF, IPTC); a "Description" text
// takes it too. Reading also accepts zTXt and compressed iTXt, and takes the metadata's fields first (EXIF,
// XMP, IPTC), then a "Description" text, then the comment.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::png {

bool looksLike(ByteView file);
ReadResult readComment(SourceFile& file);
// An empty text erases every comment and description chunk and the XMP description.
PlanResult planComment(SourceFile& file, std::string_view text);

}
