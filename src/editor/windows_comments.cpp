// The comment the desktop keeps for a file, shown read-only, and the switch between the two kinds.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/shell_folder.h"

#include <QRadioButton>

namespace editor {

namespace {

constexpr int kLastDetailColumn = 34;
const QString kCommentsTitle = QStringLiteral("Comments");

} // namespace

QString Corvane::GetFileComment(const QString& path) const
{
    const std::unique_ptr<platform::ShellFolder> folder =
        services_.shellFolders.Namespace(platform::paths::folderOf(path));
    if (!folder)
        return {};
    const std::unique_ptr<platform::ShellItem> item = folder->ParseName(platform::paths::nameOf(path));
    if (!item)
        return {};
    for (int column = 0; column <= kLastDetailColumn; ++column) {
        if (folder->columnTitle(column) == kCommentsTitle)
            return folder->GetDetailsOf(*item, column);
    }
    return {};
}

void Corvane::optiontwo()
{
    text2_->setPlainText(GetFileComment(session_.CurrentFilePath()));
    rememberLoaded();
    text2_->setReadOnly(true);
}

void Corvane::Option1_Click()
{
    text2_->setReadOnly(false);
    if (services_.files.exists(session_.CurrentFilePath()))
        dllcomments();
}

void Corvane::Option2_Click()
{
    text2_->setReadOnly(true);
    text2_->clear();
    if (services_.files.exists(session_.CurrentFilePath()))
        optiontwo();
}

void Corvane::Text2_Change()
{
    if (option2_->isChecked())
        text2_->setReadOnly(true);
}

} // namespace editor
