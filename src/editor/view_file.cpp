// Showing the session's current file: path box, picture area and title.
#include "editor/main_window.h"

#include "forms/twips.h"
#include "picture/fit_geometry.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "platform/paths.h"

#include <QLabel>
#include <QLineEdit>

namespace editor {

using forms::twipsToPixels;

namespace {

// The picture area's outer size, in the screen's device pixels: 593x193 are 1186x386 at scale 2.
QSize deviceBox(qreal ratio)
{
    const auto scaled = [ratio](int twips) {
        return static_cast<int>(picture::roundHalfEven(twipsToPixels(twips) * ratio));
    };
    return {scaled(8895), scaled(2895)};
}

} // namespace

// Fits the file, aspect kept, centred on white, into the picture area at the screen's own pixels,
// then has the neighbours fitted ahead. A file that cannot be loaded leaves the area empty; nothing
// is reported.
void Corvane::showPicture(const QString& path)
{
    const qreal ratio = picture1_->devicePixelRatioF();
    const QSize box = deviceBox(ratio);
    try {
        if (const picture::PicturePtr fitted = preparer_->fitted(path, box)) {
            QPixmap pixmap = QPixmap::fromImage(fitted->image());
            pixmap.setDevicePixelRatio(ratio);
            picture1_->setPixmap(pixmap);
        }
    } catch (const picture::PictureError&) {
        // a damaged or unsupported file: the area stays empty, path and title still follow
    }
    preparer_->prepareAround(path, session_.neighbours(), box);
}

// The title names the file shown, listed or not (a file opened by a name outside the patterns).
void Corvane::ViewFile()
{
    picture1_->clear();
    const QString path = session_.CurrentFilePath();
    text1_->setText(path);

    showPicture(path);
    if (session_.File1().ListCount() > 0)
        picture1_->setVisible(true);

    setWindowTitle(platform::paths::nameOf(path) + QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
    followInLargeView();
}

} // namespace editor
