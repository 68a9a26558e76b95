// The shell folder service: a folder's files and their numbered detail columns, as the desktop's detail view
// shows them.
#pragma once

#include <QString>
#include <memory>

namespace platform {

// One file of a shell folder.
struct ShellItem {
    QString path;
};

// A folder as the desktop shell's detail view shows it: numbered detail columns with titles, and
// each file's value in each column.
class ShellFolder {
public:
    virtual ~ShellFolder() = default;

    // The folder's file of that name; null when there is none.
    virtual std::unique_ptr<ShellItem> ParseName(const QString& name) const = 0;
    // The title of a column; empty past the last column.
    virtual QString columnTitle(int column) const = 0;
    // A file's value in a column; empty where it has none.
    virtual QString GetDetailsOf(const ShellItem& item, int column) const = 0;
};

// Opens folders as shell folders.
class ShellNamespace {
public:
    virtual ~ShellNamespace() = default;
    // Null when the folder does not exist.
    virtual std::unique_ptr<ShellFolder> Namespace(const QString& folder) const = 0;
};

} // namespace platform
