// Reading the command line's paths and options.
#include "editor/launch_arguments.h"

#include <QDir>

namespace editor {

namespace {

bool looksLikeOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

} // namespace

LaunchRequest parseLaunchArguments(const QStringList& arguments, const QString& currentFolder)
{
    LaunchRequest request;
    bool onlyPaths = false;
    for (const QString& argument : arguments) {
        if (!onlyPaths && argument == QStringLiteral("--")) {
            onlyPaths = true;
        } else if (!onlyPaths && looksLikeOption(argument)) {
            request.error = QStringLiteral("unknown option %1").arg(argument);
            return request;
        } else if (request.path.isEmpty() && !argument.isEmpty()) {
            request.path = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(argument));
        }
    }
    return request;
}

} // namespace editor
