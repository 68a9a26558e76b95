// The message for a path that names a folder, a pipe or a device instead of a file.
#pragma once

#include "platform/files.h"

#include <QString>

namespace editor {

// What to tell the user when a path names something that is not a file at all (a folder, a named
// pipe, a device): saying " File not found." would hide what is there. Empty for a regular file and
// for a path that names nothing.
QString notAFileMessage(const QString& path, platform::FileKind kind);

} // namespace editor
