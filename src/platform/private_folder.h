// A folder of this user's own under a shared place, trusted only once it is checked.
#pragma once

#include <QString>

// A folder of this user's own under a shared place: named with the user id, made readable only by
// the user, and trusted only once it is checked to be a real folder (not a link) that this user owns
// and no one else may enter. Anyone may create a name in a shared temporary folder first.
namespace platform {

struct PrivateFolder {
    QString path;    // the folder, without a trailing separator; empty when it cannot be trusted
    QString failure; // why not, when `path` is empty
};

// `<base>/<key>-<user id>`, made when missing.
PrivateFolder privateFolder(const QString& base, const QString& key);

} // namespace platform
