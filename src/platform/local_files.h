// The real files service over the local file system.
#pragma once

#include "platform/files.h"

namespace platform {

class LocalFiles final : public Files {
public:
    bool exists(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool isListedFile(const QString& path) const override;
    QStringList visibleFileNames(const QString& folder) const override;
    bool copy(const QString& source, const QString& destination) override;
    RenameResult rename(const QString& from, const QString& to) override;
    FileKind kindOf(const QString& path) const override;
    std::optional<FileIdentity> identityOf(const QString& path) const override;
};

} // namespace platform
