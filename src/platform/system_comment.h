// The comment the desktop keeps for a file, read from its extended attribute or, failing that, from the
// picture's own Windows comment fields.
#pragma once

#include <QString>

namespace platform {

// The comment the desktop keeps for a file: the user.xdg.comment extended attribute that Linux file
// managers show and edit; when there is none, the comment the other big desktop shows for pictures:
// EXIF XPComment, else EXIF UserComment, else XMP exif:UserComment. Empty when there is none or the
// file cannot be read.
QString readSystemComment(const QString& path);

// The embedded part alone (XPComment, UserComment, XMP), read with the metadata library.
QString readEmbeddedSystemComment(const QString& path);

} // namespace platform
