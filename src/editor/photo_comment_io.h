#pragma once

#include <QString>
#include <cstdint>

namespace platform {
class CommentLibrary;
}

namespace editor {

// Size of the first read; a longer comment is read again into a buffer of its own length.
inline constexpr int32_t kCommentReadBuffer = 30000;

// The photo comment of a file as the comment box shows it: the library's text up to its terminator,
// every grave accent (the library's line-break marker) and every CR LF shown as a line break.
// Empty when the library is missing or the file has none.
QString readPhotoComment(platform::CommentLibrary& library, const QString& path);

// Erases the file's photo comment, then writes `text` as its new one. Returns the library's
// status: 0 on success, negative for the first call that failed.
int32_t writePhotoComment(platform::CommentLibrary& library, const QString& path, const QString& text);

} // namespace editor
