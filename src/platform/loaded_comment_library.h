// The real comment library: libcorvane loaded at run time by its soname.
#pragma once

#include "platform/comment_library.h"

#include <QLibrary>

namespace platform {

// libcorvane loaded at run time by its soname: from beside the executable while developing, from the
// system's library path once installed. When it is missing every call reports kNotLoaded.
class LoadedCommentLibrary final : public CommentLibrary {
public:
    // `soname` names the library looked for; by default the one this build makes.
    explicit LoadedCommentLibrary(const QString& executableFolder, const QString& soname = defaultSoname());
    static QString defaultSoname();

    bool isLoaded() const override;
    int32_t FillString(char* buffer, int32_t capacity, char** path) override;
    int32_t fillComment(char* buffer, int32_t capacity, char** path, CommentSource& source) override;
    int32_t eraser(char** path) override;
    int32_t DisplayStringByRef(char** text, int32_t length, char** path) override;
    QString captionFile(const QString& path) override;
    void chooseNewSidecarName(NewSidecarName name) override;
    QString describe(int32_t status) const override;

private:
    using FillStringFn = int32_t (*)(char*, int32_t, char**);
    using FillCommentFn = int32_t (*)(char*, int32_t, char**, int32_t*);
    using EraserFn = int32_t (*)(char**);
    using DisplayStringByRefFn = int32_t (*)(char**, int32_t, char**);
    using StrerrorFn = const char* (*)(int32_t);
    using CaptionFileFn = int32_t (*)(char*, int32_t, char**);
    using SidecarNameFn = int32_t (*)(int32_t);

    QLibrary library_;
    FillStringFn fillString_ = nullptr;
    FillCommentFn fillComment_ = nullptr;
    EraserFn eraser_ = nullptr;
    DisplayStringByRefFn displayStringByRef_ = nullptr;
    StrerrorFn strerror_ = nullptr;
    CaptionFileFn captionFile_ = nullptr;
    SidecarNameFn newSidecarName_ = nullptr;
};

} // namespace platform
