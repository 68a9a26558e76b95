// Finding the sidecars that belong to a picture alone, and where each goes with it.
#include "dialogs/sidecars.h"

#include "platform/comment_library.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace dialogs {

namespace paths = platform::paths;

namespace {

// The suffix of a sidecar's name as it is spelled: ".xmp" or ".XMP".
QString suffixOf(const QString& sidecar)
{
    return QLatin1Char('.') + paths::extensionOf(sidecar);
}

} // namespace

QList<Sidecar> sidecarsOf(const platform::Files& files, platform::CommentLibrary& comments, const QString& picture)
{
    QList<Sidecar> sidecars;
    for (const QString& suffix : {QStringLiteral(".xmp"), QStringLiteral(".XMP")}) {
        if (files.exists(picture + suffix))
            sidecars.append({picture + suffix, true});
    }
    const QString captionFile = comments.captionFile(picture);
    const bool alreadyListed =
        std::any_of(sidecars.cbegin(), sidecars.cend(), [&](const Sidecar& s) { return s.path == captionFile; });
    // A link's comment is kept beside the file it points to, whose sidecar stays with that file.
    const bool besidePicture = paths::folderOf(captionFile) == paths::folderOf(picture);
    if (captionFile != picture && besidePicture && !alreadyListed && files.exists(captionFile))
        sidecars.append({captionFile, captionFile.startsWith(picture + QLatin1Char('.'))});
    return sidecars;
}

QString sidecarPathFor(const Sidecar& sidecar, const QString& newPicture)
{
    const QString suffix = suffixOf(sidecar.path);
    if (sidecar.namesExtension)
        return newPicture + suffix;
    return paths::folderOf(newPicture) + paths::baseNameOf(newPicture) + suffix;
}

} // namespace dialogs
