// The comment library's buffers, and its text as the comment box shows it.
#include "session/photo_comment_io.h"

#include "platform/comment_library.h"

#include <QByteArray>
#include <QFile>

namespace session {

namespace {

// A buffer of `capacity` spaces followed by one NUL, as the library expects it.
QByteArray spaceFilledBuffer(int32_t capacity)
{
    QByteArray buffer(capacity + 1, ' ');
    buffer[capacity] = '\0';
    return buffer;
}

// Older writers of the format's own comment field marked each line break with a grave accent; a caption
// field holds real line breaks, and a grave accent there is part of the text.
QString asShown(QString text, platform::CommentSource source)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (source == platform::CommentSource::OwnComment)
        text.replace(u'`', u'\n');
    return text;
}

} // namespace

QString readPhotoComment(platform::CommentLibrary& library, const QString& path)
{
    if (!library.isLoaded())
        return {};
    QByteArray pathBytes = QFile::encodeName(path);
    int32_t capacity = kCommentReadBuffer;
    QByteArray buffer;
    platform::CommentSource source = platform::CommentSource::None;
    // The library reports the comment's full length; a comment longer than the buffer is read again
    // whole. A file that grows between two reads gets a few more tries.
    for (int attempt = 0; attempt < 4; ++attempt) {
        buffer = spaceFilledBuffer(capacity);
        char* pathPointer = pathBytes.data();
        const int32_t length = library.fillComment(buffer.data(), capacity, &pathPointer, source);
        if (length <= capacity)
            break;
        capacity = length;
    }
    return asShown(QString::fromUtf8(buffer.constData()), source); // up to the first NUL
}

int32_t writePhotoComment(platform::CommentLibrary& library, const QString& path, const QString& text)
{
    if (text.contains(QChar(u'\0')))
        return kTextHoldsNul;
    QByteArray pathBytes = QFile::encodeName(path);
    char* pathPointer = pathBytes.data();
    if (text.isEmpty())
        return library.eraser(&pathPointer);

    QByteArray textBytes = text.toUtf8();
    char* textPointer = textBytes.data();
    return library.DisplayStringByRef(&textPointer, static_cast<int32_t>(text.size()), &pathPointer);
}

} // namespace session
