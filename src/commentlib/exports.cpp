// The C ABI. Nothing may escape it: every argument is checked before use and every exception becomes a status.
#include "commentlib/corvane.h"

#include "commentlib/comment_file.h"
#include "commentlib/utf8.h"

#include <cstring>
#include <limits>
#include <new>

namespace {

template<typename Operation>
int32_t guarded(Operation operation)
{
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return CORVANE_E_MEMORY;
    } catch (...) {
        return CORVANE_E_DAMAGED;
    }
}

bool isText(char** reference)
{
    return reference && *reference;
}

// Copies as much of `text` as fits, never splitting a character; a NUL follows when there is room.
void fillBuffer(char* buffer, int32_t capacity, const std::string& text)
{
    const size_t room = size_t(capacity);
    const size_t length = corvane::utf8::boundaryAtOrBefore(text, room);
    std::memcpy(buffer, text.data(), length);
    if (length < room)
        buffer[length] = '\0';
}

int32_t writeComment(char** text, int32_t length, char** path)
{
    if (!isText(text) || !isText(path) || length < 0)
        return CORVANE_E_ARGUMENT;
    const std::string_view comment = length == 0 ? std::string_view() : std::string_view(*text);
    if (!corvane::utf8::isValid(comment))
        return CORVANE_E_ENCODING;
    return corvane::writeFileComment(*path, comment);
}

}

namespace {

int32_t fillComment(char* buffer, int32_t capacity, char** path, int32_t* source)
{
    if (!buffer || capacity <= 0)
        return CORVANE_E_ARGUMENT;
    buffer[0] = '\0';
    if (source)
        *source = CORVANE_SOURCE_NONE;
    if (!isText(path))
        return CORVANE_E_ARGUMENT;
    return guarded([&] {
        std::string text;
        corvane::CommentSource from = corvane::CommentSource::None;
        const int32_t status = corvane::readFileComment(*path, text, from);
        if (status != CORVANE_OK)
            return status;
        if (text.size() > size_t(std::numeric_limits<int32_t>::max()))
            return int32_t(CORVANE_E_TOO_LARGE);
        fillBuffer(buffer, capacity, text);
        if (source)
            *source = from == corvane::CommentSource::OwnComment     ? CORVANE_SOURCE_COMMENT
                      : from == corvane::CommentSource::CaptionField ? CORVANE_SOURCE_CAPTION
                                                                     : CORVANE_SOURCE_NONE;
        return int32_t(text.size());
    });
}

}

extern "C" int32_t FillString(char* buffer, int32_t capacity, char** path)
{
    return fillComment(buffer, capacity, path, nullptr);
}

extern "C" int32_t corvane_fill_comment(char* buffer, int32_t capacity, char** path, int32_t* source)
{
    return fillComment(buffer, capacity, path, source);
}

extern "C" int32_t eraser(char** path)
{
    if (!isText(path))
        return CORVANE_E_ARGUMENT;
    return guarded([&] { return corvane::writeFileComment(*path, {}); });
}

extern "C" int32_t DisplayStringByRef(char** text, int32_t length, char** path)
{
    return guarded([&] { return writeComment(text, length, path); });
}

extern "C" int32_t corvane_caption_file(char* buffer, int32_t capacity, char** path)
{
    if (!buffer || capacity <= 0)
        return CORVANE_E_ARGUMENT;
    buffer[0] = '\0';
    if (!isText(path))
        return CORVANE_E_ARGUMENT;
    return guarded([&] {
        std::string captionFile;
        if (const int32_t status = corvane::captionFilePath(*path, captionFile); status != CORVANE_OK)
            return status;
        if (captionFile.size() > size_t(std::numeric_limits<int32_t>::max()))
            return int32_t(CORVANE_E_TOO_LARGE);
        fillBuffer(buffer, capacity, captionFile);
        return int32_t(captionFile.size());
    });
}

extern "C" int32_t corvane_set_new_sidecar_name(int32_t naming)
{
    if (naming != CORVANE_SIDECAR_WITH_EXTENSION && naming != CORVANE_SIDECAR_WITHOUT_EXTENSION)
        return CORVANE_E_ARGUMENT;
    corvane::sidecar::setNaming(corvane::sidecar::Naming(naming));
    return CORVANE_OK;
}

extern "C" const char* corvane_version(void)
{
    return CORVANE_VERSION_STRING;
}
