// The Rename File and About commands: each opens its window beside the main window, one of each.
#include "editor/main_window.h"

#include "dialogs/about_window.h"
#include "dialogs/fixed_form.h"
#include "dialogs/rename_dialog.h"
#include "dialogs/sidecars.h"
#include "editor/large_view.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/url_opener.h"

#include <QLineEdit>

#include <memory>

namespace editor {

namespace {

// The About window's links reach the desktop through the editor's shell.
class ShellLinks final : public platform::UrlOpener {
public:
    explicit ShellLinks(platform::Shell& shell) : shell_(shell) {}
    bool open(const QString& url) override { return shell_.openUrl(url); }

private:
    platform::Shell& shell_;
};

} // namespace

void Corvane::Command9_Click()
{
    if (!services_.files.exists(text1_->text())) {
        reportFileNotFound();
        return;
    }
    if (renameDialog_) {
        dialogs::bringToFront(*renameDialog_);
        return;
    }
    renameDialog_ =
        new dialogs::RenameDialog(services_.dialogs, services_.files, state_.CurrentFilePath,
                                  dialogs::sidecarsOf(services_.files, services_.comments, state_.CurrentFilePath));
    connect(renameDialog_, &dialogs::RenameDialog::renamed, this, &Corvane::followRename);
    // A renamed picture keeps its pixels; the large view takes its new name.
    connect(renameDialog_, &QObject::destroyed, this, [this] {
        if (state_.RenameFlag == 1)
            followInLargeView();
    });
    dialogs::showCentred(*renameDialog_);
}

// When the window still shows the renamed file, it takes the new name. When it has moved on to another
// file since the dialog opened, its path box and Save stay with that file; the list is rebuilt around
// it so the renamed one joins the cycle.
void Corvane::followRename(const QString& from, const QString& to)
{
    if (state_.CurrentFilePath == from) {
        text1_->setText(to);
        state_.NewFilePath = to;
    } else {
        state_.NewFilePath = state_.CurrentFilePath;
    }
    state_.RenameFlag = 1;
}

void Corvane::Command6_Click()
{
    if (aboutWindow_) {
        dialogs::bringToFront(*aboutWindow_);
        return;
    }
    aboutWindow_ = new dialogs::AboutWindow(std::make_shared<ShellLinks>(services_.shell));
    dialogs::showCentred(*aboutWindow_);
}

// The windows have no owner, but they work on this window's state: they go when it goes.
void Corvane::closeDialogWindows()
{
    delete renameDialog_.data();
    delete aboutWindow_.data();
    delete largeView_.data();
}

} // namespace editor
