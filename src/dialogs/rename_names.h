// The pieces a rename is built from: the folder and the extension stay, the user types the rest.
#pragma once

#include <QString>

namespace dialogs {

// The extension of a path without its dot; six exact lower-case spellings come back upper-cased,
// every other spelling ("jpeg", "Jpg") stays as found.
QString FileExtensionOf(const QString& path);

// The folder the file stays in and the name given to it. A file without an extension gets no
// trailing dot: the name is exactly what was typed.
QString RenamedPath(const QString& folder, const QString& typedName, const QString& extension);

// Why a typed name cannot be given to the file, or an empty text when it can. A name must not
// move the file into another folder nor hide it from the folder's listing.
QString refusalOf(const QString& typedName, const QString& extension);

} // namespace dialogs
