// Comment operations on a file path: open, parse, and (for writes) replace the file only when the edit
// succeeded and actually changes something.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/file_io/source_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr size_t kMaxCommentBytes = 16 * 1024 * 1024;

// Where a comment was read from: the container's own comment (the JPEG COM segment, the PNG "Comment"
// text, GIF's comment extension, the BMP trailer) or a caption field other programs write.
enum class CommentSource { None, OwnComment, CaptionField };

int32_t readFileComment(const std::string& path, std::string& text);
int32_t readFileComment(const std::string& path, std::string& text, CommentSource& source);
// Every caption field of the file that holds text, with the field's name.
int32_t readFileCaptions(const std::string& path, std::vector<CaptionField>& fields);
// An empty text removes the comment.
int32_t writeFileComment(const std::string& path, std::string_view text);
// The first steps of a write: the file opened, the edit that makes `text` its comment planned, and unless that
// changes nothing, the new file written beside the original (then `replacement.prepared()`). CORVANE_PARTIAL
// (positive) when the edit leaves a caption field without the text.
int32_t stageComment(const std::string& path, std::string_view text, SourceFile& file,
                     PendingReplacement& replacement, PendingReplacement::Cleanup cleanup);

}
