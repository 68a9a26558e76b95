// Gives an existing file new contents without replacing it, for a file whose identity a new file cannot carry:
// several hard links, or an owner or group this writer cannot give a file of its own. Its inode, owner, group,
// mode bits, links and extended attributes stay as they are. A crash at any moment leaves the old or the new
// picture whole, through a pair of helpers beside the file (named in temporary_names.h):
//   1. a copy of the old contents is written, flushed and named; then the new contents, written and flushed
//      before, are named; then the folder is flushed;
//   2. the file is overwritten with the new contents, cut to their size and flushed;
//   3. the new contents' name goes, then the copy's.
// Finding the copy alone, the file is whole (before step 2 or after it); finding both, the file may be half
// overwritten, and the new contents are written into it again (or, where that fails, the old ones). The writer
// holds a lock on the file meanwhile, so nobody finishes the work of a writer that is still alive.
#pragma once

#include "commentlib/file_io/source_file.h"

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace corvane {

// A writer other than the superuser loses a set-user-ID or set-group-ID bit by writing into the file.
bool canOverwriteKeepingIdentity(const struct stat& original);

// Opens the file `source` read for writing into, checking it is still the same file; the descriptor or a
// negative status.
int openForOverwrite(const SourceFile& source);

// `target` is the descriptor from openForOverwrite; `newContents` holds every new byte, flushed, under the name
// `newContentsName` (empty while it has none), which is empty on return: the helpers are gone, unless neither
// contents could be written back, when they stay for the next run. CORVANE_OK once the file holds the new
// contents durably; otherwise the file holds its old contents, or the helpers stand.
int32_t overwriteInPlace(const SourceFile& source, int target, int newContents, std::string& newContentsName);

// Finishes or rolls back what a killed writer left of an overwrite of the file `named` (opened as `file`) in
// `folder`; `status` is refreshed when the file changes. CORVANE_OK when nothing was left or it was finished.
int32_t finishInterruptedOverwrite(int folder, const std::string& name, int file, struct stat& status);

}
