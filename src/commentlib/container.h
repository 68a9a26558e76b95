// Recognises a picture container by its content (never by the file name) and hands the work to its editor. A
// camera RAW built on TIFF (camera_raw.h) is read as a TIFF, but no edit of one is ever planned.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane {

enum class Container { Unknown, Jpeg, Png, Gif, Tiff, Bmp, Webp, Heif, Jxl };

// What the first bytes of a file show it to be.
Container detectContainer(ByteView first);
// The comment of an opened file, and the edit that makes `text` its comment (an empty text removes every
// comment), reading only as much of the file as its container needs.
ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
