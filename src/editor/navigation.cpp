// Stepping through the folder's pictures, and rebuilding the list after a rename or a delete.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "editor/file_kind_text.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "session/step_order.h"

#include <QLineEdit>

namespace editor {

using platform::paths::folderOf;
using platform::paths::nameOf;

void Corvane::rebuildList(const QString& folder)
{
    file1_.rebuild(folder);
}

void Corvane::searchName(const QString& name)
{
    for (qsizetype tries = 0; tries <= file1_.ListCount(); ++tries) {
        if (file1_.contains(state_.CurrentIndex) && file1_.entry(state_.CurrentIndex) == name)
            return;
        ++state_.CurrentIndex;
    }
    // Not listed (a name outside the patterns, a hidden file): the index rests past the last entry,
    // which the viewer and the two step commands understand as "the opened file, off the list".
    state_.CurrentIndex = file1_.ListCount();
}

void Corvane::resetnextback()
{
    searchName(state_.CurrentFileName);
}

void Corvane::updatefilelist()
{
    const QString folder = folderOf(state_.NewFilePath);
    state_.CurrentIndex = 0;
    rebuildList(folder);
    state_.CurrentFolder = folder; // the viewer joins this folder to the names of the rebuilt list
    searchName(nameOf(state_.NewFilePath));
}

void Corvane::updatefilelistdeleted()
{
    const QString folder = folderOf(state_.CurrentFilePath);
    state_.CurrentIndex = 0;
    rebuildList(folder);
    state_.CurrentFolder = folder; // the viewer joins this folder to the names of the rebuilt list
    state_.CurrentFilePath = folder + file1_.entry(0);
}

void Corvane::Text1_Change()
{
    state_.CurrentFilePath = text1_->text();
}

void Corvane::reportFileNotFound()
{
    services_.dialogs.messageBox(QStringLiteral(" File not found."), QStringLiteral("Error"),
                                 platform::MessageIcon::Information);
}

void Corvane::reportNotFound(const QString& path)
{
    if (!reportNotAFile(path))
        reportFileNotFound();
}

bool Corvane::reportNotAFile(const QString& path)
{
    const QString message = notAFileMessage(path, services_.files.kindOf(path));
    if (!message.isEmpty())
        services_.dialogs.messageBox(message, QStringLiteral("Error"), platform::MessageIcon::Information);
    return !message.isEmpty();
}

// The steps Next and Previous share before they move: pending rebuilds, and the check that the
// current file is still there. False when the command must stop.
bool Corvane::refreshAfterRenameOrDelete()
{
    if (state_.DeleteFlag == 1) {
        updatefilelistdeleted();
        state_.DeleteFlag = 0;
    }
    if (!services_.files.exists(state_.CurrentFilePath)) {
        reportNotFound(state_.CurrentFilePath);
        return false;
    }
    if (state_.RenameFlag == 1) {
        updatefilelist();
        state_.RenameFlag = 0;
    }
    return true;
}

void Corvane::Command2_Click()
{
    if (!mayLeavePicture() || !refreshAfterRenameOrDelete())
        return;
    state_.CurrentIndex = session::nextIndex(state_.CurrentIndex, file1_.ListCount());
    showStep();
}

void Corvane::Command3_Click()
{
    if (!mayLeavePicture() || !refreshAfterRenameOrDelete())
        return;
    state_.CurrentIndex = session::previousIndex(state_.CurrentIndex, file1_.ListCount());
    showStep();
}

void Corvane::showStep()
{
    ViewFile();
    if (reportNotAFile(state_.CurrentFilePath)) {
        // Nothing is read from it: the comment readers would wait on a pipe for ever.
        text2_->clear();
        rememberLoaded();
        return;
    }
    dllcomments();
    readyForTyping();
}

} // namespace editor
