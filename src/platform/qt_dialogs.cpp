// The real dialogs over Qt: message boxes with the exact texts, buttons and icons asked for, the file and
// folder choosers, and the font chooser.
#include "platform/qt_dialogs.h"

#include "platform/font_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer fromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtDialogs::messageBox(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(toQtIcon(icon), title, text);
    switch (buttons) {
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    return fromQtButton(box.exec());
}

QString QtDialogs::openFile(const QString& initialFolder, const QString& filterName, const QString& patterns)
{
    QFileDialog dialog(nullptr, QString(), initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the typed name need not exist
    QString qtPatterns = patterns;
    qtPatterns.replace(';', ' ');
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(filterName, qtPatterns.trimmed()));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& start)
{
    FontDialog dialog(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

QString QtDialogs::browseForFolder(const QString& instruction, const QString& root)
{
    QFileDialog dialog(nullptr, instruction, root);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn, instruction);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
