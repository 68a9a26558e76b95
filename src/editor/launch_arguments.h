// LaunchRequest: the picture or folder the command line names.
#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// What the command line asks for, once the toolkit has taken its own options out.
struct LaunchRequest {
    QString path;  // absolute path of the picture to open; empty for none
    QString error; // set for an option the program does not know
};

// `arguments` excludes the program's name. The first path wins; a relative one is taken from
// `currentFolder`; everything after "--" is a path, even when it starts with a dash.
LaunchRequest parseLaunchArguments(const QStringList& arguments, const QString& currentFolder);

} // namespace editor
