// cvbutton-render: paints one button face to a PNG file.
#include "render_button.h"
#include "render_options.h"

#include <QApplication>

#include <cstdio>

// The arguments are taken before the application object sees them, which is given none: it would
// consume --style, which it reads as its own widget-style option. Widgets are there for the theme
// style, which draws with the application's widget style.
int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    QString error;
    const std::optional<RenderOptions> options = parseRenderOptions(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "cvbutton-render: %s\n%s", qPrintable(error), kRenderUsage);
        return 2;
    }
    if (!renderButton(*options).save(options->output, "PNG")) {
        std::fprintf(stderr, "cvbutton-render: cannot write %s\n", qPrintable(options->output));
        return 1;
    }
    return 0;
}
