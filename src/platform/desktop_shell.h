// The real desktop shell over the freedesktop conventions: special folders, the trash and web addresses.
#pragma once

#include "platform/shell.h"

namespace platform {

class Dialogs;

// The shell over the freedesktop conventions: XDG user folders, the freedesktop trash and the
// desktop's URL handler. Confirmation questions go through the given dialogs.
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(Dialogs& dialogs) : dialogs_(dialogs) {}

    QString specialFolder(int csidl) const override;
    QString homeFolder() const override;
    TrashResult moveToRecycleBin(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    bool openUrl(const QString& url) override;

private:
    Dialogs& dialogs_;
};

} // namespace platform
