#pragma once

#include <QString>

namespace platform {
class Dialogs;
class Files;
} // namespace platform

namespace forms {
struct SharedState;
}

namespace dialogs {

// The instruction the folder chooser shows above its tree.
inline constexpr char kBrowseInstruction[] = "Make a copy of the file.";

// Asks for a destination folder, starting at the file-system root and offering real folders only.
// The chosen folder goes into DestinationFolder; a cancelled choice leaves it as it was.
void BrowseForDestination(platform::Dialogs& dialogs, forms::SharedState& state);

// Copies one file to a full destination path, replacing a file of that name. A source that a listing
// of normal files would not show (missing, a folder, hidden) is refused with a message. True when the
// copy itself succeeded.
bool CopyPictureFile(platform::Dialogs& dialogs, platform::Files& files, const QString& source,
                     const QString& destination);

} // namespace dialogs
