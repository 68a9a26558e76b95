// The files service the editor works through: what stands at a path, a file's identity, a folder's visible
// files, copying and renaming.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace platform {

enum class RenameResult {
    Renamed,
    NameTaken,       // something, a dangling link included, already has the new name
    OtherFileSystem, // the new name is on another file system; the file stays where it is
    Failed,
};

// What stands at a path, followed through links.
enum class FileKind { Missing, Regular, Folder, Pipe, Socket, Device, Other };

// Which file a path names: the same pair means the same file, whatever its name now.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The file system as the editor uses it.
class Files {
public:
    virtual ~Files() = default;

    // True when a file (not a folder) of that path exists.
    virtual bool exists(const QString& path) const = 0;
    // True when a folder of that path exists.
    virtual bool isFolder(const QString& path) const = 0;
    // True when the path names a file a folder listing of normal files shows: present, not a folder,
    // not hidden.
    virtual bool isListedFile(const QString& path) const = 0;
    // Names of the visible files (not folders, not hidden) of a folder, in no particular order. Names
    // that cannot be written as text (bytes outside the file-name encoding) are left out.
    virtual QStringList visibleFileNames(const QString& folder) const = 0;
    // Copies, replacing a file of the destination's name. Copying a file onto itself leaves it untouched.
    // True when the destination now holds the copy.
    virtual bool copy(const QString& source, const QString& destination) = 0;
    // Gives a file a new path in one step. Never replaces anything that has the new name (a link
    // included) and never copies: a file is only ever renamed, never moved by copying.
    virtual RenameResult rename(const QString& from, const QString& to) = 0;
    // What stands at the path; never waits on a pipe or a device.
    virtual FileKind kindOf(const QString& path) const = 0;
    // The file the path names now; nothing when there is none.
    virtual std::optional<FileIdentity> identityOf(const QString& path) const = 0;
};

} // namespace platform
