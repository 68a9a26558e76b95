// The Open File, Font and Close commands.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "editor/picture_file_pattern.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/shell.h"

#include <QLineEdit>

namespace editor {

using platform::paths::folderOf;
using platform::paths::nameOf;

QString Corvane::GetSpecialFolderPath(int folderId) const
{
    QString folder = services_.shell.specialFolder(folderId);
    if (!folder.isEmpty() && !folder.endsWith(platform::paths::kSeparator))
        folder += platform::paths::kSeparator;
    return folder;
}

void Corvane::Command1_Click()
{
    state_.OpenFolder = folderOf(state_.CurrentFilePath);
    if (state_.OpenFolder.isEmpty())
        state_.OpenFolder = GetSpecialFolderPath(platform::kCsidlMyPictures);
    if (state_.OpenFolder.isEmpty())
        return;

    const QString chosen = services_.dialogs.openFile(state_.OpenFolder, QStringLiteral("Picture Files"),
                                                      QString::fromUtf16(PictureFilePattern));
    if (chosen.isEmpty())
        return;

    const QString folder = folderOf(chosen);
    state_.CurrentIndex = 0;
    rebuildList(folder);
    state_.CurrentFilePath = chosen;
    state_.CurrentFileName = nameOf(chosen);
    state_.CurrentFolder = folder;
    resetnextback();
    text1_->setText(chosen);
    showStep();
}

void Corvane::Command10_Click()
{
    const std::optional<platform::FontChoice> choice = services_.dialogs.chooseFont();
    if (!choice)
        return;
    text2_->setFont(choice->font);
    QPalette palette = text2_->palette();
    palette.setColor(QPalette::Text, choice->color);
    text2_->setPalette(palette);
}

void Corvane::Command7_Click()
{
    close();
}

} // namespace editor
