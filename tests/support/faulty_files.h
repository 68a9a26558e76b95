#pragma once

#include "platform/local_files.h"

namespace fakes {

// The real file system, with copies that fail on demand (a full disk, a lost connection).
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
    bool rename(const QString& from, const QString& to) override { return real_.rename(from, to); }

    bool failCopy = false;

private:
    platform::LocalFiles real_;
};

} // namespace fakes
