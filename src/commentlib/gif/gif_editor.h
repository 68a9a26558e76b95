// GIF: the comment is a Comment Extension right after the global colour table; writing one makes the file
// GIF89a, the version that defines extensions. Its text is split into sub-blocks of at most 255 bytes.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::gif {

bool looksLike(ByteView file);
ReadResult readComment(SourceFile& file);
// An empty text erases every Comment Extension.
PlanResult planComment(SourceFile& file, std::string_view text);

}
