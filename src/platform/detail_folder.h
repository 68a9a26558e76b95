// A local folder seen through the shell's detail view: its files and their numbered detail columns.
#pragma once

#include "platform/shell_folder.h"

namespace platform {

// A local folder with the detail columns the desktop shell of the other big platform offers in
// English, in its order ("Comments" is column 24). Name, size, type, dates, owner, dimensions and
// comments carry values; the other columns are empty.
class DetailFolder final : public ShellFolder {
public:
    explicit DetailFolder(QString folder) : folder_(std::move(folder)) {}

    std::unique_ptr<ShellItem> ParseName(const QString& name) const override;
    QString columnTitle(int column) const override;
    QString GetDetailsOf(const ShellItem& item, int column) const override;

    static constexpr int kColumnCount = 35;

private:
    QString folder_;
};

class DetailNamespace final : public ShellNamespace {
public:
    std::unique_ptr<ShellFolder> Namespace(const QString& folder) const override;
};

} // namespace platform
