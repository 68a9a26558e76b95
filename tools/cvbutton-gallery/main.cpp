// cvbutton-gallery [--geometry]: shows a window of live buttons. With --geometry it prints, once
// the window is up, "NAME X Y W H" for each control (its place inside the window), and then one
// line per event a control raises, flushed at once, so that scripts can drive it with a pointer.
#include "gallery_window.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

void printLine(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printGeometry(const gallery::GalleryWindow& window)
{
    for (const cvbutton::WidgetHost* control : window.controls()) {
        const QPoint place = control->mapTo(&window, QPoint(0, 0));
        printLine(QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(control->objectName())
                      .arg(place.x())
                      .arg(place.y())
                      .arg(control->width())
                      .arg(control->height()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Read before Qt sees the arguments: its X11 platform takes "-geometry" for itself.
    const bool geometry = argc == 2 && std::strcmp(argv[1], "--geometry") == 0;
    if (argc > 2 || (argc == 2 && !geometry)) {
        std::fputs("usage: cvbutton-gallery [--geometry]\n", stderr);
        return 2;
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    gallery::GalleryWindow window(geometry ? printLine : std::function<void(const QString&)>{});
    window.show();
    // Showing lays the window out, so the places are final here.
    if (geometry)
        printGeometry(window);
    return app.exec();
}
