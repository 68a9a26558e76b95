// TIFF comments read and planned from an opened file. Only the directories, the arrays they point at and the
// description are read into memory, found a range at a time as the parse reaches them; the image data, most
// of the file, is never read, only copied.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::tiff {

ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
