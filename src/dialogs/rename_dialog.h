// RenameDialog (Form2): the Rename File window.
#pragma once

#include "dialogs/sidecars.h"

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace cvbutton {
class WidgetHost;
}
namespace platform {
class Dialogs;
class Files;
} // namespace platform

namespace dialogs {

class NameBox;

// Form2: gives one picture file a new name in its own folder, keeping its extension, and its sidecars
// the names that go with it. It has no owner and knows nothing of the window that opened it: on OK it
// renames the file it was opened for and reports the new path.
class RenameDialog final : public QWidget {
    Q_OBJECT
public:
    RenameDialog(platform::Dialogs& dialogs, platform::Files& files, const QString& sourcePath,
                 QList<Sidecar> sidecars = {});
    ~RenameDialog() override;

    NameBox* Text2() const { return text2_; }
    QLineEdit* Text1() const { return text1_; }
    cvbutton::WidgetHost* cvButton1() const { return cvButton1_; }
    cvbutton::WidgetHost* cvButton2() const { return cvButton2_; }
    QString FileFolder() const { return FileFolder_; }
    QString FileExtension() const { return FileExtension_; }

    void cvButton2_Click(); // OK
    void cvButton1_Click(); // Cancel

signals:
    // The file at `from` now goes by `to`; sent once, just before the dialog closes.
    void renamed(const QString& from, const QString& to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void Form_Load();
    void returnPressed();
    void showWhereReturnGoes();
    // Renames the file; why it was not renamed, or an empty text when it was.
    QString renameFailure(const QString& newPath);
    // Why a sidecar could not follow the file to `newPath`; empty when every one can.
    QString sidecarBlocked(const QString& newPath) const;
    void renameSidecars(const QString& newPath);
    void reportFailure(const QString& text);

    platform::Dialogs& dialogs_;
    platform::Files& files_;
    QMetaObject::Connection focusWatch_;

    // The file the dialog was opened for, whatever the main window shows by the time of OK.
    QString sourcePath_;
    QList<Sidecar> sidecars_;
    QString FileFolder_;
    QString FileExtension_;

    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    NameBox* text2_ = nullptr;
    cvbutton::WidgetHost* cvButton1_ = nullptr;
    cvbutton::WidgetHost* cvButton2_ = nullptr;
};

} // namespace dialogs
