// Path pieces as the program uses them: folder, name, base name and extension.
#pragma once

#include <QString>

// Path pieces as the program uses them: the folder of a path runs up to and including its last
// separator, the name is what follows.
namespace platform::paths {

inline constexpr QChar kSeparator = u'/';

QString folderOf(const QString& path);
QString nameOf(const QString& path);
// The name without its last "." and what follows it.
QString baseNameOf(const QString& path);
// The text after the last "." of the name, without the dot; empty when there is none.
QString extensionOf(const QString& path);

} // namespace platform::paths
