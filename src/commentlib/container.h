// Recognises a picture container by its content (never by the file name) and hands the work to its editor. A
// camera RAW built on TIFF (camera_raw.h) is read as a TIFF, but no edit of one is ever planned.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane {

enum class Container { Unknown, Jpeg, Png, Gif, Tiff, Bmp };

Container detectContainer(ByteView file);
ReadResult readComment(ByteView file);
// The edit that makes `text` the file's comment; an empty text removes every comment.
PlanResult planComment(ByteView file, std::string_view text);

// The same for an opened file, reading only as much of it as its container needs.
ReadResult readComment(SourceFile& file);
PlanResult planComment(SourceFile& file, std::string_view text);

}
