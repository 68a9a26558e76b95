// The Rename dialog's layout and keys, and the rename of a file and its sidecars.
#include "dialogs/rename_dialog.h"

#include "cvbutton/widget_host.h"
#include "dialogs/fixed_form.h"
#include "dialogs/form_fonts.h"
#include "dialogs/name_box.h"
#include "dialogs/rename_names.h"
#include "dialogs/stored_buttons.h"
#include "forms/twips.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace dialogs {

using forms::placeInTwips;
namespace paths = platform::paths;

RenameDialog::RenameDialog(platform::Dialogs& dialogs, platform::Files& files, const QString& sourcePath,
                           QList<Sidecar> sidecars)
    : dialogs_(dialogs), files_(files), sourcePath_(sourcePath), sidecars_(std::move(sidecars))
{
    setObjectName(QStringLiteral("Form2"));
    setUpFixedForm(*this, QStringLiteral("Rename File"), 4680, 2370);
    // The form's labels and boxes are in its own default face; only the buttons name theirs.
    setFont(formFont("MS Sans Serif", 8.25));
    buildControls();
    connectHandlers();
    Form_Load();
}

// Created in tab order, so the focus chain runs name box, Cancel, OK, extension box.
void RenameDialog::buildControls()
{
    label2_ = new QLabel(QStringLiteral("New name:"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    placeInTwips(label2_, 360, 360, 975, 375);

    text2_ = new NameBox(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    placeInTwips(text2_, 1680, 360, 2775, 495);

    const std::vector<cvbutton::PropertySet> buttons =
        loadFormButtons(QStringLiteral(":/dialogs/rename_dialog.properties"));
    cvButton1_ = addStoredButton(*this, buttons, QStringLiteral("cvButton1"), 2160, 1800, 1095, 375);
    cvButton2_ = addStoredButton(*this, buttons, QStringLiteral("cvButton2"), 3480, 1800, 1095, 375);
    // Return in the name box renames, so OK is shown as the window's default button.
    cvButton2_->setDisplayAsDefault(true);

    label1_ = new QLabel(QStringLiteral("Extension:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    placeInTwips(label1_, 360, 1200, 975, 375);

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    placeInTwips(text1_, 1680, 1080, 735, 495);

    setTabOrder(text2_, cvButton1_);
    setTabOrder(cvButton1_, cvButton2_);
    setTabOrder(cvButton2_, text1_);
}

// The focus still moves while the window is taken down, after this part of it is gone.
RenameDialog::~RenameDialog()
{
    disconnect(focusWatch_);
}

void RenameDialog::connectHandlers()
{
    cvButton2_->button().Click.connect([this] { cvButton2_Click(); });
    cvButton1_->button().Click.connect([this] { cvButton1_Click(); });
    onKeys(*this, {Qt::Key_Return, Qt::Key_Enter}, [this] { returnPressed(); });
    onKeys(*this, {Qt::Key_Escape}, [this] { cvButton1_Click(); });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { showWhereReturnGoes(); });
}

void RenameDialog::Form_Load()
{
    FileExtension_ = FileExtensionOf(sourcePath_);
    text1_->setText(FileExtension_);
    FileFolder_ = paths::folderOf(sourcePath_);
    text2_->setText(paths::baseNameOf(sourcePath_));
    text2_->setFocus();
}

void RenameDialog::cvButton2_Click()
{
    const QString newPath = RenamedPath(FileFolder_, text2_->text(), FileExtension_);
    if (const QString failure = renameFailure(newPath); !failure.isEmpty()) {
        reportFailure(failure);
        return;
    }
    emit renamed(sourcePath_, newPath);
    close();
}

// Return presses the button that has the focus; from the name box it is OK.
void RenameDialog::returnPressed()
{
    if (focusWidget() == cvButton1_)
        cvButton1_Click();
    else
        cvButton2_Click();
}

// The default button's look goes with Return: to Cancel while it has the focus, else to OK.
void RenameDialog::showWhereReturnGoes()
{
    const bool cancelFocused = focusWidget() == cvButton1_;
    cvButton1_->setDisplayAsDefault(cancelFocused);
    cvButton2_->setDisplayAsDefault(!cancelFocused);
}

void RenameDialog::cvButton1_Click()
{
    close();
}

QString RenameDialog::renameFailure(const QString& newPath)
{
    if (QString refusal = refusalOf(text2_->text(), FileExtension_); !refusal.isEmpty())
        return refusal;
    if (!files_.exists(sourcePath_))
        return QStringLiteral("The file \"%1\" is no longer there, so it was not renamed.").arg(sourcePath_);
    if (newPath == sourcePath_)
        return {}; // the name it already has
    const QString existing = QStringLiteral("A file named \"%1\" is already in this folder. Both files were "
                                            "kept; type another name.")
                                 .arg(paths::nameOf(newPath));
    if (files_.exists(newPath))
        return existing;
    if (QString blocked = sidecarBlocked(newPath); !blocked.isEmpty())
        return blocked;
    switch (files_.rename(sourcePath_, newPath)) {
    case platform::RenameResult::Renamed:
        renameSidecars(newPath);
        return {};
    case platform::RenameResult::NameTaken:
        return existing;
    case platform::RenameResult::OtherFileSystem:
        return QStringLiteral("\"%1\" is on another file system than the file, so it was not renamed. The "
                              "file was kept as it is.")
            .arg(paths::nameOf(newPath));
    case platform::RenameResult::Failed:
        break;
    }
    return QStringLiteral("The file could not be renamed to \"%1\". Check that files in its folder may be "
                          "changed.")
        .arg(paths::nameOf(newPath));
}

QString RenameDialog::sidecarBlocked(const QString& newPath) const
{
    for (const Sidecar& sidecar : sidecars_) {
        const QString target = sidecarPathFor(sidecar, newPath);
        if (target != sidecar.path && files_.kindOf(target) != platform::FileKind::Missing)
            return QStringLiteral("A file named \"%1\" is already in this folder, where the sidecar \"%2\" of the "
                                  "file would go. Both files were kept; type another name.")
                .arg(paths::nameOf(target), paths::nameOf(sidecar.path));
    }
    return {};
}

// The file has its new name: a sidecar that cannot follow keeps its old one, and the user learns which.
void RenameDialog::renameSidecars(const QString& newPath)
{
    for (const Sidecar& sidecar : sidecars_) {
        const QString target = sidecarPathFor(sidecar, newPath);
        if (target == sidecar.path || files_.rename(sidecar.path, target) == platform::RenameResult::Renamed)
            continue;
        dialogs_.messageBox(QStringLiteral("The file was renamed, but its sidecar \"%1\" could not be renamed to "
                                           "\"%2\" and keeps its old name.")
                                .arg(paths::nameOf(sidecar.path), paths::nameOf(target)),
                            QStringLiteral("Error"), platform::MessageIcon::Warning);
    }
}

void RenameDialog::reportFailure(const QString& text)
{
    dialogs_.messageBox(text, QStringLiteral("Error"), platform::MessageIcon::Error);
    text2_->setFocus();
}

void RenameDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrameRectangle(painter, QRect(120, 120, 4560 - 120, 1680 - 120));
}

} // namespace dialogs
