#pragma once

#include <QString>
#include <QStringList>

namespace platform {

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
    // Gives a file a new path; never replaces an existing file.
    virtual bool rename(const QString& from, const QString& to) = 0;
};

} // namespace platform
