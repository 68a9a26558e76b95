// Pictures that reach the window from the desktop: the command line, a later start, a drop.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "editor/picture_drop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "session/file_list.h"

#include <QLineEdit>

namespace editor {

void Corvane::acceptPictureDrops()
{
    auto* drops = new PictureDropFilter(
        services_.files, [this](const QString& path) { handOvers_.request(path); }, this);
    drops->watch(this);
    drops->watch(text1_);
    drops->watch(text2_->viewport());
}

void Corvane::openFromDesktop(const QString& path)
{
    if (services_.files.isFolder(path)) {
        openFirstPictureOf(path);
        return;
    }
    if (!services_.files.exists(path)) {
        reportNotFound(path);
        return;
    }
    openChosen(path);
}

void Corvane::openFirstPictureOf(const QString& folder)
{
    const QString first = session::firstPictureOf(services_.files, folder);
    if (first.isEmpty()) {
        services_.dialogs.messageBox(tr("%1 holds no picture files.").arg(folder), QStringLiteral("Error"),
                                     platform::MessageIcon::Information);
        return;
    }
    openChosen(first);
}

void Corvane::openHandedOver(const QString& path)
{
    bringForward();
    if (!path.isEmpty())
        handOvers_.request(path);
}

// The user did not press Open in this window, and would lose typing without seeing it go: the
// question for unsaved typing, naming the picture it belongs to, comes first, and Cancel (or a failed
// save) keeps everything.
void Corvane::openAfterCloseCheck(const QString& path)
{
    if (!mayLeavePicture())
        return;
    openFromDesktop(path);
}

} // namespace editor
