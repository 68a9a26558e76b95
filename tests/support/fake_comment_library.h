// A comment library kept in memory, for tests of the editor.
#pragma once

#include "platform/comment_library.h"

#include <QByteArray>
#include <QMap>
#include <cstring>

namespace fakes {

// The comment library's contract kept in memory: comments by path, with failures on demand.
class FakeCommentLibrary final : public platform::CommentLibrary {
public:
    bool isLoaded() const override { return loaded; }

    int32_t FillString(char* buffer, int32_t capacity, char** path) override
    {
        ++reads;
        const QByteArray comment = comments.value(QByteArray(*path));
        const int32_t length = static_cast<int32_t>(comment.size());
        const int32_t copied = std::min(length, capacity);
        std::memcpy(buffer, comment.constData(), static_cast<size_t>(copied));
        if (copied < capacity)
            buffer[copied] = '\0';
        return length;
    }

    int32_t fillComment(char* buffer, int32_t capacity, char** path, platform::CommentSource& source) override
    {
        source = sources.value(QByteArray(*path), platform::CommentSource::OwnComment);
        return FillString(buffer, capacity, path);
    }

    int32_t eraser(char** path) override
    {
        calls.append("eraser");
        if (failErase)
            return -7;
        comments.remove(QByteArray(*path));
        return 0;
    }

    int32_t DisplayStringByRef(char** text, int32_t length, char** path) override
    {
        calls.append("DisplayStringByRef");
        lastLength = length;
        if (failWrite)
            return -7;
        if (length > 0)
            comments.insert(QByteArray(*path), QByteArray(*text));
        return writeStatus;
    }

    QString captionFile(const QString& path) override { return sidecars.value(path, path); }
    void chooseNewSidecarName(platform::NewSidecarName name) override { newSidecarName = name; }

    QString describe(int32_t status) const override { return QStringLiteral("status %1").arg(status); }

    bool loaded = true;
    bool failErase = false;
    bool failWrite = false;
    int reads = 0;
    int32_t lastLength = -1;
    int32_t writeStatus = 0; // what a write that went through answers: 1 when a caption field could not take it
    QMap<QByteArray, platform::CommentSource> sources; // where each comment was found; the own field by default
    QList<QByteArray> calls;
    QMap<QByteArray, QByteArray> comments; // path (file-system encoding) -> comment bytes
    QMap<QString, QString> sidecars;       // a RAW file's path -> the sidecar its comment is written into
    platform::NewSidecarName newSidecarName = platform::NewSidecarName::WithExtension;
};

} // namespace fakes
