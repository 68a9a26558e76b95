// Reading and writing a picture's photo comment through the comment library.
#pragma once

#include <QString>
#include <cstdint>

namespace platform {
class CommentLibrary;
}

namespace session {

// Size of the first read; a longer comment is read again into a buffer of its own length.
inline constexpr int32_t kCommentReadBuffer = 30000;

// The photo comment of a file as the comment box shows it: the library's text up to its terminator,
// every CR LF shown as a line break, and so is every grave accent when the comment came from the
// format's own comment field (where older writers marked line breaks with it).
// Empty when the library is missing or the file has none.
QString readPhotoComment(platform::CommentLibrary& library, const QString& path);

// Status of a write refused because the file could not hold the whole text: the library keeps a
// comment up to its first NUL, so a text holding one would be stored cut short.
inline constexpr int32_t kTextHoldsNul = -1001;

// A write that went through, but left a caption field without the whole text (the library's positive
// notices: a field too small for the text, a packet that could not be parsed): other programs may show
// the comment cut short, an older one, or none.
inline bool savedPartly(int32_t status)
{
    return status > 0;
}

// Makes `text` the file's photo comment in one write (the library's write replaces every comment the
// file holds); an empty text erases the comment. Returns the library's status: 0 on success,
// negative on failure, which leaves the file as it was (kTextHoldsNul without calling the library).
int32_t writePhotoComment(platform::CommentLibrary& library, const QString& path, const QString& text);

} // namespace session
