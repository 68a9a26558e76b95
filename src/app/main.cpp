// Corvane: one window for reading and editing the comments of picture files.
#include "editor/main_window.h"
#include "platform/desktop_shell.h"
#include "platform/detail_folder.h"
#include "platform/loaded_comment_library.h"
#include "platform/local_files.h"
#include "platform/qt_dialogs.h"
#include "platform/single_instance.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // the command line is not read: every start begins empty
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));

    platform::SingleInstance instance(QStringLiteral("corvane"));
    if (!instance.claim())
        return instance.activateRunning() ? 0 : 1;

    platform::QtDialogs dialogs;
    platform::DesktopShell shell(dialogs);
    platform::LocalFiles files;
    platform::LoadedCommentLibrary comments(QCoreApplication::applicationDirPath());
    platform::DetailNamespace shellFolders;

    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &window,
                     &editor::Corvane::bringForward);
    window.show();
    return app.exec();
}
