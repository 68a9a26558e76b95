// JPEG XL: the comment is the caption in the Exif box (ImageDescription) and the XMP box (dc:description), read in
// that order, plain or Brotli-compressed. A write replaces those boxes where they stand (a compressed one by a plain
// one, so no second caption is left behind) or adds them before the codestream, and keeps every other box and the
// order of the codestream's parts; a bare codestream is first put in a container. In a file that rebuilds a JPEG,
// the Exif and XMP boxes keep their lengths so the rebuilt JPEG carries the new caption, and none is added. An
// erase removes a box left holding nothing, except in such a file, where it stays at its length, emptied.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::jxl {

ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
