// The real file system, with copies and renames that fail on demand.
#pragma once

#include "platform/local_files.h"

namespace fakes {

// The real file system, with copies and renames that fail on demand (a full disk, a lost connection,
// a name on another file system).
class FaultyFiles final : public platform::Files {
public:
    bool exists(const QString& path) const override { return real_.exists(path); }
    bool isFolder(const QString& path) const override { return real_.isFolder(path); }
    bool isListedFile(const QString& path) const override { return real_.isListedFile(path); }
    QStringList visibleFileNames(const QString& folder) const override { return real_.visibleFileNames(folder); }
    bool copy(const QString& source, const QString& destination) override
    {
        return !failCopy && real_.copy(source, destination);
    }
    platform::RenameResult rename(const QString& from, const QString& to) override
    {
        return failRename ? *failRename : real_.rename(from, to);
    }
    platform::FileKind kindOf(const QString& path) const override { return real_.kindOf(path); }
    std::optional<platform::FileIdentity> identityOf(const QString& path) const override
    {
        return real_.identityOf(path);
    }

    bool failCopy = false;
    // A rename that fails this way without touching the file (another file system, say).
    std::optional<platform::RenameResult> failRename;

private:
    platform::LocalFiles real_;
};

} // namespace fakes
