// The desktop shell service: special folders, moving files to the trash, and opening web addresses.
#pragma once

#include <QString>

namespace platform {

// What moving a file to the trash came to.
enum class TrashResult {
    Moved,    // the file is in the trash, where the file manager can restore it
    Declined, // the user answered No to the confirmation; the file is untouched
    Failed,   // there is no trash for that file (another file system, no permission); it is untouched
};

// The desktop shell: special folders, the trash, and web addresses.
class Shell {
public:
    virtual ~Shell() = default;

    // The user's pictures folder for CSIDL 39; empty when it is not an existing folder.
    virtual QString specialFolder(int csidl) const = 0;
    // The user's home folder, the one place every account has.
    virtual QString homeFolder() const = 0;
    // Asks for confirmation as the desktop's own delete does, then moves the file to the trash.
    virtual TrashResult moveToRecycleBin(const QString& path) = 0;
    // Moves a file to the trash without a question: one that goes with a file the user agreed to move.
    virtual bool moveToTrash(const QString& path) = 0;
    // Hands a web address to the desktop's default handler; false when none took it.
    virtual bool openUrl(const QString& url) = 0;
};

inline constexpr int kCsidlMyPictures = 39;

} // namespace platform
