// Comment operations on a file path: open, parse, and (for writes) replace the file only when the edit
// succeeded and actually changes something. A camera RAW is never written: its comment is read from and written
// into its XMP sidecar (sidecar_file.h); a picture written in place keeps a sidecar of its own in step.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/file_io/source_file.h"
#include "commentlib/sidecar_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr size_t kMaxCommentBytes = 16 * 1024 * 1024;

// Where a comment was read from: the container's own comment (the JPEG COM segment, the PNG "Comment"
// text, GIF's comment extension, the BMP trailer) or a caption field other programs write.
enum class CommentSource { None, OwnComment, CaptionField };

// What a write did besides writing the picture: a camera RAW's comment went into its sidecar alone; a picture
// written in place had its own sidecar kept in step.
struct SidecarWrite {
    bool raw = false;
    sidecar::Outcome outcome;
};

// Opens the picture at `path` and tells whether it is a camera RAW (camera_raw.h): by its content, by the name
// `path` gives it, or by the name of the file a symbolic link at its end leads to.
int32_t openPicture(const std::string& path, SourceFile& file, bool& raw);

int32_t readFileComment(const std::string& path, std::string& text);
int32_t readFileComment(const std::string& path, std::string& text, CommentSource& source);
// Every caption field of the file that holds text, with the field's name.
int32_t readFileCaptions(const std::string& path, std::vector<CaptionField>& fields);
// The sidecars beside the file, what each is to it, and whether the file is a camera RAW.
int32_t readFileSidecars(const std::string& path, bool& raw, std::vector<sidecar::Sidecar>& sidecars);
// The path of the file a write of the comment goes into: `path` itself, or the camera RAW's sidecar.
int32_t captionFilePath(const std::string& path, std::string& captionFile);
// An empty text removes the comment.
int32_t writeFileComment(const std::string& path, std::string_view text);
int32_t writeFileComment(const std::string& path, std::string_view text, SidecarWrite& sidecar);
// The first steps of a write: the file opened, the edit that makes `text` its comment planned, and unless that
// changes nothing, the new file written beside the original (then `replacement.prepared()`). CORVANE_PARTIAL
// (positive) when the edit leaves a caption field without the text. A camera RAW's sidecar is written here
// and then, with nothing prepared, the write is done.
int32_t stageComment(const std::string& path, std::string_view text, SourceFile& file, PendingReplacement& replacement,
                     PendingReplacement::Cleanup cleanup, SidecarWrite& sidecar);
// The last step of a picture's write, once the picture holds `text` (`status` is what its write returned): its
// own sidecar kept in step. `status`, or CORVANE_PARTIAL_SIDECAR when the sidecar could not take the text.
int32_t keepSidecarInStep(const SourceFile& file, std::string_view text, int32_t status, SidecarWrite& sidecar);
}
