// Loading libcorvane at run time and calling its exports, checked at compile time against the library's
// C header; every call reports kNotLoaded when the library is missing.
#include "platform/loaded_comment_library.h"

#include "commentlib/corvane.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {

// Checked at compile time: the pointers we resolve have exactly the exported signatures.
static_assert(std::is_same_v<decltype(&::FillString), int32_t (*)(char*, int32_t, char**)>);
static_assert(std::is_same_v<decltype(&::corvane_fill_comment), int32_t (*)(char*, int32_t, char**, int32_t*)>);
static_assert(std::is_same_v<decltype(&::eraser), int32_t (*)(char**)>);
static_assert(std::is_same_v<decltype(&::DisplayStringByRef), int32_t (*)(char**, int32_t, char**)>);
static_assert(std::is_same_v<decltype(&::corvane_caption_file), int32_t (*)(char*, int32_t, char**)>);
static_assert(std::is_same_v<decltype(&::corvane_set_new_sidecar_name), int32_t (*)(int32_t)>);

static_assert(CommentLibrary::kSidecarLeftBehind == CORVANE_PARTIAL_SIDECAR);

// Beside the executable first, so a development build runs its own library; then the library folder of an
// install into a private prefix; last the soname alone, which the system loader finds wherever the
// distribution put it.
QStringList candidatePaths(const QString& executableFolder, const QString& soname)
{
    const QDir here(executableFolder);
    return {here.filePath(soname), here.filePath(QStringLiteral(CORVANE_LIBRARY_DIR_FROM_BINARY "/") + soname), soname};
}

} // namespace

QString LoadedCommentLibrary::defaultSoname()
{
    return QStringLiteral(CORVANE_LIBRARY_SONAME);
}

LoadedCommentLibrary::LoadedCommentLibrary(const QString& executableFolder, const QString& soname)
{
    for (const QString& path : candidatePaths(executableFolder, soname)) {
        library_.setFileName(path);
        if (library_.load())
            break;
    }
    if (!library_.isLoaded())
        return;
    fillString_ = reinterpret_cast<FillStringFn>(library_.resolve("FillString"));
    fillComment_ = reinterpret_cast<FillCommentFn>(library_.resolve("corvane_fill_comment"));
    eraser_ = reinterpret_cast<EraserFn>(library_.resolve("eraser"));
    displayStringByRef_ = reinterpret_cast<DisplayStringByRefFn>(library_.resolve("DisplayStringByRef"));
    strerror_ = reinterpret_cast<StrerrorFn>(library_.resolve("corvane_strerror"));
    captionFile_ = reinterpret_cast<CaptionFileFn>(library_.resolve("corvane_caption_file"));
    newSidecarName_ = reinterpret_cast<SidecarNameFn>(library_.resolve("corvane_set_new_sidecar_name"));
}

bool LoadedCommentLibrary::isLoaded() const
{
    return fillString_ && eraser_ && displayStringByRef_;
}

int32_t LoadedCommentLibrary::FillString(char* buffer, int32_t capacity, char** path)
{
    return fillString_ ? fillString_(buffer, capacity, path) : kNotLoaded;
}

// A library older than the export tells nothing of where it found the comment: its comment is taken for
// the format's own field, as it always was.
int32_t LoadedCommentLibrary::fillComment(char* buffer, int32_t capacity, char** path, CommentSource& source)
{
    if (!fillComment_) {
        const int32_t length = FillString(buffer, capacity, path);
        source = length > 0 ? CommentSource::OwnComment : CommentSource::None;
        return length;
    }
    int32_t from = CORVANE_SOURCE_NONE;
    const int32_t length = fillComment_(buffer, capacity, path, &from);
    source = from == CORVANE_SOURCE_CAPTION   ? CommentSource::CaptionField
             : from == CORVANE_SOURCE_COMMENT ? CommentSource::OwnComment
                                              : CommentSource::None;
    return length;
}

int32_t LoadedCommentLibrary::eraser(char** path)
{
    return eraser_ ? eraser_(path) : kNotLoaded;
}

int32_t LoadedCommentLibrary::DisplayStringByRef(char** text, int32_t length, char** path)
{
    return displayStringByRef_ ? displayStringByRef_(text, length, path) : kNotLoaded;
}

// A library older than the export writes every comment into the file itself.
QString LoadedCommentLibrary::captionFile(const QString& path)
{
    if (!captionFile_)
        return path;
    QByteArray encoded = QFile::encodeName(path);
    char* reference = encoded.data();
    QByteArray buffer(4096, '\0');
    int32_t length = captionFile_(buffer.data(), int32_t(buffer.size()), &reference);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = captionFile_(buffer.data(), int32_t(buffer.size()), &reference);
    }
    if (length < 0 || length >= buffer.size())
        return path;
    buffer.truncate(length);
    return QFile::decodeName(buffer);
}

void LoadedCommentLibrary::chooseNewSidecarName(NewSidecarName name)
{
    if (newSidecarName_)
        newSidecarName_(name == NewSidecarName::WithoutExtension ? CORVANE_SIDECAR_WITHOUT_EXTENSION
                                                                 : CORVANE_SIDECAR_WITH_EXTENSION);
}

QString LoadedCommentLibrary::describe(int32_t status) const
{
    if (status == kNotLoaded || !strerror_)
        return QObject::tr("The comment library (libcorvane.so) could not be loaded.");
    return QString::fromUtf8(strerror_(status));
}

} // namespace platform
