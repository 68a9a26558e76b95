// corvane-fit IN OUT.png WxH: shows a picture file exactly as the viewer does (loaded, fitted into the
// box with its aspect ratio kept, centred on white) and writes the result as PNG.

#include "box_argument.h"
#include "picture/picture.h"

#include <QImageWriter>
#include <cstdio>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

int fail(const QString& message)
{
    std::fprintf(stderr, "corvane-fit: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: corvane-fit IN OUT.png WIDTHxHEIGHT\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QSize box = parseBoxArgument(QString::fromLocal8Bit(argv[3]));
    if (!box.isValid())
        return fail(QStringLiteral("box must be WIDTHxHEIGHT with positive sizes, not '%1'").arg(argv[3]));

    try {
        const picture::PicturePtr fitted = picture::loadFitted(input, box, kWhite);
        QImageWriter writer(output, "png");
        if (!writer.write(fitted->image()))
            return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    } catch (const picture::PictureError& error) {
        return fail(error.description());
    }
    return 0;
}
