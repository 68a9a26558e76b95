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
        new dialogs::RenameDialog(services_.dialogs, services_.files, session_.CurrentFilePath(),
                                  dialogs::sidecarsOf(services_.files, services_.comments, session_.CurrentFilePath()));
    connect(renameDialog_, &dialogs::RenameDialog::renamed, this, &Corvane::followRename);
    dialogs::showCentred(*renameDialog_);
}

// The path box takes the new name while the window still shows the renamed file; when the window has
// moved on since the dialog opened, the path box, and with it Save, stay with the file shown. A renamed
// picture keeps its pixels; the large view takes its new name.
void Corvane::followRename(const QString& from, const QString& to)
{
    if (session_.renamed(from, to))
        text1_->setText(to);
    followInLargeView();
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

// The windows have no owner, but they belong with this window: they go when it goes.
void Corvane::closeDialogWindows()
{
    delete renameDialog_.data();
    delete aboutWindow_.data();
    delete largeView_.data();
}

} // namespace editor
