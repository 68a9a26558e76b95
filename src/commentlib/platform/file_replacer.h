// Replaces a file by the result of an edit plan without ever exposing a half-written file: the new content
// goes to a temporary file in the same folder, is flushed to disk, takes over the original's permissions,
// owner and extended attributes, and is renamed over it in one step. The rename gives the named path the new
// contents; other hard links to the old file keep the old ones.
#pragma once

#include "edit_plan.h"
#include "platform/source_file.h"

namespace corvane {

// Returns CORVANE_OK or a negative status; on failure the original is untouched and no temporary remains.
int32_t replaceFile(const SourceFile& source, const EditPlan& plan);

}
