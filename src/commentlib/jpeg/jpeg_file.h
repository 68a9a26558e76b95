// JPEG comments read and planned from an opened file. Only the segments before the image data are read into
// memory; the image data is walked (while it is copied, for an edit) only where those segments do not settle
// the answer, and read whole only when a comment stands inside it.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::jpeg {

ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
