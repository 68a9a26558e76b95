// Corvane: one window for reading and editing the comments of picture files.
#include "editor/launch_arguments.h"
#include "editor/main_window.h"
#include "platform/desktop_shell.h"
#include "platform/detail_folder.h"
#include "platform/loaded_comment_library.h"
#include "platform/local_files.h"
#include "platform/qt_dialogs.h"
#include "platform/single_instance.h"
#include "platform/window_activation.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

using platform::SingleInstance;

// False when this start must end: another instance runs (and has taken the picture over).
bool becomeTheRunningInstance(SingleInstance& instance, const QString& path, int& exitCode)
{
    switch (instance.claim()) {
    case SingleInstance::Claim::Claimed:
        return true;
    case SingleInstance::Claim::AnotherRuns:
        exitCode = instance.activateRunning({path, platform::window_activation::tokenOfThisStart()}) ? 0 : 1;
        if (exitCode != 0)
            std::fprintf(stderr, "corvane: another instance runs but did not take the request\n");
        return false;
    case SingleInstance::Claim::Unavailable:
        // Better one window too many than none: the program still works, it just cannot tell
        // whether another start runs.
        std::fprintf(stderr, "corvane: cannot tell whether another instance runs (%s); starting anyway\n",
                     qPrintable(instance.failureReason()));
        return true;
    }
    return true;
}

// `corvane --version` answers before the toolkit starts, so it needs no display.
bool asksForVersion(int argc, char** argv)
{
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (asksForVersion(argc, argv)) {
        std::printf("corvane %s\n", CORVANE_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv); // takes the toolkit's own options out of the command line
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));

    const editor::LaunchRequest request =
        editor::parseLaunchArguments(QApplication::arguments().mid(1), QDir::currentPath());
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "corvane: %s\nusage: corvane [--] [PICTURE]\n", qPrintable(request.error));
        return 2;
    }

    SingleInstance instance(QStringLiteral("corvane"));
    int exitCode = 0;
    if (!becomeTheRunningInstance(instance, request.path, exitCode))
        return exitCode;

    platform::QtDialogs dialogs;
    platform::DesktopShell shell(dialogs);
    platform::LocalFiles files;
    platform::LoadedCommentLibrary comments(QCoreApplication::applicationDirPath());
    platform::DetailNamespace shellFolders;

    editor::Corvane window({dialogs, shell, files, comments, shellFolders});
    QObject::connect(
        &instance, &SingleInstance::activationRequested, &window,
        [&window](const QString& path, const QString& activationToken) {
            platform::window_activation::lendToNextActivation(activationToken);
            window.openHandedOver(path);
        },
        Qt::QueuedConnection);
    window.show();
    if (!request.path.isEmpty())
        QTimer::singleShot(0, &window, [&window, &request] { window.openHandedOver(request.path); });
    return app.exec();
}
