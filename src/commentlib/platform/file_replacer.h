// Replaces a file by the new file prepared beside it without ever exposing a half-written file: the new
// content (which took over the original's permissions, owner and extended attributes when it was prepared) is
// flushed to disk and renamed over the original in one step, then the folder is flushed. The rename gives the
// named path the new contents; other hard links to the old file keep the old ones.
#pragma once

#include "platform/pending_replacement.h"
#include "platform/source_file.h"

namespace corvane {

// Returns CORVANE_OK or a negative status; on failure the original is untouched and no temporary remains.
int32_t commitReplacement(const SourceFile& source, PendingReplacement& replacement);

}
