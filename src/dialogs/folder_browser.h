// The folder chooser of Copy File, and the copy itself.
#pragma once

#include <QString>

namespace platform {
class Dialogs;
class Files;
} // namespace platform

namespace dialogs {

// The instruction the folder chooser shows above its tree.
inline constexpr char kBrowseInstruction[] = "Make a copy of the file.";

// Asks for a destination folder, starting at the file-system root and offering real folders only.
// The chosen folder exactly as chosen; empty when the choice was cancelled.
QString BrowseForDestination(platform::Dialogs& dialogs);

// Copies one file to a full destination path, replacing a file of that name. A source that a listing
// of normal files would not show (missing, a folder, hidden) is refused with a message. True when the
// copy itself succeeded.
bool CopyPictureFile(platform::Dialogs& dialogs, platform::Files& files, const QString& source,
                     const QString& destination);

} // namespace dialogs
