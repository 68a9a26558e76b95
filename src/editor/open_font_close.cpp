// The Open File, Font and Close commands.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "session/picture_file_pattern.h"

#include <QLineEdit>

namespace editor {

using platform::paths::folderOf;

namespace {

QString withSeparator(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(platform::paths::kSeparator))
        folder += platform::paths::kSeparator;
    return folder;
}

} // namespace

QString Corvane::GetSpecialFolderPath(int folderId) const
{
    return withSeparator(services_.shell.specialFolder(folderId));
}

// The current picture's folder, else the pictures folder. A fresh account, or a desktop whose
// pictures folder was never made, has neither; the home folder is always there, and without a
// starting folder there would be no way into the program at all.
QString Corvane::openStartFolder() const
{
    const QString current = folderOf(session_.CurrentFilePath());
    if (services_.files.isFolder(current))
        return current;
    const QString pictures = GetSpecialFolderPath(platform::kCsidlMyPictures);
    if (!pictures.isEmpty())
        return pictures;
    return withSeparator(services_.shell.homeFolder());
}

void Corvane::Command1_Click()
{
    const QString openFolder = openStartFolder();
    if (openFolder.isEmpty())
        return;

    const QString chosen = services_.dialogs.openFile(openFolder, QStringLiteral("Picture Files"),
                                                      QString::fromUtf16(session::PictureFilePattern));
    if (chosen.isEmpty() || !mayLeavePicture())
        return;

    openChosen(chosen);
}

void Corvane::openChosen(const QString& path)
{
    session_.open(path);
    text1_->setText(path);
    showStep();
}

// The chooser opens on the window's own font and text colour, the ones the comment box starts with,
// never on the box's current choice; OK without a change leaves a box in its starting font as it is.
void Corvane::Command10_Click()
{
    const platform::FontChoice start{font(), palette().color(QPalette::Text)};
    const std::optional<platform::FontChoice> choice = services_.dialogs.chooseFont(start);
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
