// Reading the comment the desktop keeps for a file from its user.xdg.comment extended attribute.
#include "platform/system_comment.h"

#include <QFile>
#include <sys/xattr.h>

#include <cerrno>

namespace platform {

namespace {

QString readCommentAttribute(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr const char* kAttribute = "user.xdg.comment";
    for (;;) {
        const ssize_t size = ::getxattr(name.constData(), kAttribute, nullptr, 0);
        if (size <= 0)
            return {};
        QByteArray value(size, Qt::Uninitialized);
        const ssize_t read = ::getxattr(name.constData(), kAttribute, value.data(), value.size());
        if (read >= 0)
            return QString::fromUtf8(value.left(read));
        if (errno != ERANGE)
            return {};
        // The attribute grew between the two calls: ask again.
    }
}

} // namespace

QString readSystemComment(const QString& path)
{
    const QString attribute = readCommentAttribute(path);
    return attribute.isEmpty() ? readEmbeddedSystemComment(path) : attribute;
}

} // namespace platform
