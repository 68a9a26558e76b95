// Corvane: one window for reading and editing the comments of picture files.
#include "editor/early_options.h"
#include "editor/launch_arguments.h"
#include "editor/main_window.h"
#include "platform/desktop_shell.h"
#include "platform/detail_folder.h"
#include "platform/loaded_comment_library.h"
#include "platform/local_files.h"
#include "platform/qt_dialogs.h"
#include "platform/sidecar_setting.h"
#include "platform/single_instance.h"
#include "platform/window_activation.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

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

QStringList commandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// --help and --version are answered before the toolkit starts, so they need no display.
bool answeredEarly(int argc, char** argv, int& exitCode)
{
    switch (editor::earlyAnswer(commandLine(argc, argv))) {
    case editor::EarlyAnswer::None:
        return false;
    case editor::EarlyAnswer::Help:
        std::fputs(qPrintable(editor::usageText()), stdout);
        break;
    case editor::EarlyAnswer::Version:
        std::printf("corvane %s\n", CORVANE_VERSION);
        break;
    }
    exitCode = std::fflush(stdout) == 0 ? 0 : 1;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (int exitCode = 0; answeredEarly(argc, argv, exitCode))
        return exitCode;
    QApplication app(argc, argv); // takes the toolkit's own options out of the command line
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));

    const editor::LaunchRequest request =
        editor::parseLaunchArguments(QApplication::arguments().mid(1), QDir::currentPath());
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "corvane: %s\n%s", qPrintable(request.error), qPrintable(editor::usageLine()));
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
    comments.chooseNewSidecarName(platform::newSidecarNameSetting());
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
