// The XMP sidecars that belong to one picture alone and so go wherever it goes: renamed with it, copied
// with it and moved to the trash with it. Other programs keep a picture's caption, ratings and edit
// history there; a picture that leaves its sidecar behind loses them.
#pragma once

#include <QList>
#include <QString>

namespace platform {
class CommentLibrary;
class Files;
} // namespace platform

namespace dialogs {

struct Sidecar {
    QString path;
    // NAME.EXT.xmp names the whole file name of its picture; NAME.xmp only its name without the extension.
    bool namesExtension = true;
};

// NAME.EXT.xmp where it exists, and NAME.xmp when the picture's caption is kept there (a camera RAW file's
// sidecar, which may also have been given that name). A NAME.xmp that serves another file of that name
// stays where it is, and so does the sidecar of the file a link points to.
QList<Sidecar> sidecarsOf(const platform::Files& files, platform::CommentLibrary& comments, const QString& picture);

// Where the sidecar goes when its picture goes to `newPicture`.
QString sidecarPathFor(const Sidecar& sidecar, const QString& newPicture);

} // namespace dialogs
