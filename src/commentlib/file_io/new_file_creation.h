// A file made where none stood, crash-safe as a replacement is: its whole contents are written and flushed
// before it gets its name, so a crash leaves no file or the whole one, never half of one. It gets its name only
// where no file has it yet (another program may have made one meanwhile), never replacing it. And the removal
// of a file that was read, only while its name still refers to it, unchanged.
#pragma once

#include "commentlib/bytes.h"
#include "commentlib/file_io/source_file.h"

#include <cstdint>
#include <limits>
#include <string>

namespace corvane {

// Never leaves the library: a file of that name appeared before ours could take it, and ours is gone again.
inline constexpr int32_t kNameTaken = std::numeric_limits<int32_t>::min() + 1;

// A new file `name` in `folder` holding `contents`, with the mode bits a new file gets (0666 less the umask),
// and the folder flushed. CORVANE_OK, kNameTaken, or a write status (nothing is left behind).
int32_t createNewFile(int folder, const std::string& name, ByteView contents);

// Removes the file `file` was opened as, when its name still refers to it and it is unchanged since it was
// read, and flushes its folder.
int32_t removeFile(const SourceFile& file);

}
