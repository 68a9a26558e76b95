// Reads the part of a file an edit was planned without and runs its check, for when nothing is to be copied.
#pragma once

#include "commentlib/edit_plan.h"
#include "commentlib/file_io/source_file.h"

namespace corvane {

// The check's answer: CORVANE_OK, CORVANE_E_DAMAGED or kNeedsWholeFile (or a read failure).
int32_t checkUnreadPart(const SourceFile& file, const UnreadPart& part);

}
