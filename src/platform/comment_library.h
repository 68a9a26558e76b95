#pragma once

#include <QString>
#include <cstdint>

namespace platform {

// Where the library found a comment: the format's own comment field, whose older writers marked line
// breaks with grave accents, or a caption field other photo programs write with real line breaks.
enum class CommentSource { None, OwnComment, CaptionField };

// The photo-comment library as the editor calls it: the three exports of libcorvane, with texts
// passed by reference (the address of a pointer to NUL-terminated UTF-8).
class CommentLibrary {
public:
    // Status when the library could not be loaded at all.
    static constexpr int32_t kNotLoaded = -1000;

    virtual ~CommentLibrary() = default;

    virtual bool isLoaded() const = 0;
    virtual int32_t FillString(char* buffer, int32_t capacity, char** path) = 0;
    // FillString, telling also where the comment was found.
    virtual int32_t fillComment(char* buffer, int32_t capacity, char** path, CommentSource& source) = 0;
    virtual int32_t eraser(char** path) = 0;
    virtual int32_t DisplayStringByRef(char** text, int32_t length, char** path) = 0;
    // A sentence for the user about a failed call's status.
    virtual QString describe(int32_t status) const = 0;
};

} // namespace platform
