// Telling a folder, a pipe, a socket or a device from a file, in the user's words.
#include "editor/file_kind_text.h"

#include <QCoreApplication>

namespace editor {

namespace {

QString whatItIs(platform::FileKind kind)
{
    using platform::FileKind;
    switch (kind) {
    case FileKind::Folder:
        return QCoreApplication::translate("Corvane", "a folder");
    case FileKind::Pipe:
        return QCoreApplication::translate("Corvane", "a named pipe (FIFO)");
    case FileKind::Socket:
        return QCoreApplication::translate("Corvane", "a socket");
    case FileKind::Device:
        return QCoreApplication::translate("Corvane", "a device");
    case FileKind::Other:
        return QCoreApplication::translate("Corvane", "a special file");
    case FileKind::Missing:
    case FileKind::Regular:
        break;
    }
    return {};
}

} // namespace

QString notAFileMessage(const QString& path, platform::FileKind kind)
{
    const QString what = whatItIs(kind);
    if (what.isEmpty())
        return {};
    return QCoreApplication::translate("Corvane", "%1 is %2, not a picture file.").arg(path, what);
}

} // namespace editor
