// The comment library as the editor calls it: an interface over libcorvane's exports, with where a comment
// was found and how a new sidecar is named.
#pragma once

#include <QString>
#include <cstdint>

namespace platform {

// Where the library found a comment: the format's own comment field, whose older writers marked line
// breaks with grave accents, or a caption field other photo programs write with real line breaks.
enum class CommentSource { None, OwnComment, CaptionField };

// The name a new sidecar gets beside a camera RAW file NAME.EXT: NAME.EXT.xmp, or NAME.xmp.
enum class NewSidecarName { WithExtension, WithoutExtension };

// The photo-comment library as the editor calls it: the three exports of libcorvane, with texts
// passed by reference (the address of a pointer to NUL-terminated UTF-8).
class CommentLibrary {
public:
    // Status when the library could not be loaded at all.
    static constexpr int32_t kNotLoaded = -1000;
    // The notice of a write that went into the picture but could not keep the XMP sidecar beside it in
    // step: programs that read the sidecar still show its old caption.
    static constexpr int32_t kSidecarLeftBehind = 3;

    virtual ~CommentLibrary() = default;

    virtual bool isLoaded() const = 0;
    virtual int32_t FillString(char* buffer, int32_t capacity, char** path) = 0;
    // FillString, telling also where the comment was found.
    virtual int32_t fillComment(char* buffer, int32_t capacity, char** path, CommentSource& source) = 0;
    virtual int32_t eraser(char** path) = 0;
    virtual int32_t DisplayStringByRef(char** text, int32_t length, char** path) = 0;
    // The file a write of the path's comment goes into: the path itself, or the XMP sidecar beside a
    // camera RAW file, which is never written into.
    virtual QString captionFile(const QString& path) = 0;
    virtual void chooseNewSidecarName(NewSidecarName name) = 0;
    // A sentence for the user about a failed call's status.
    virtual QString describe(int32_t status) const = 0;
};

} // namespace platform
