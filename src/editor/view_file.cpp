// Showing the picture at the current index: path box, picture area and title.
#include "editor/main_window.h"

#include "forms/twips.h"
#include "picture/fit_geometry.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "platform/paths.h"
#include "session/step_order.h"

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

// The pictures Next and Previous would show from `index`, the likelier first.
QStringList neighbourPaths(const session::FileList& list, const QString& folder, qsizetype index)
{
    QStringList paths;
    for (const qsizetype step :
         {session::nextIndex(index, list.ListCount()), session::previousIndex(index, list.ListCount())}) {
        const QString path = folder + list.entry(step);
        if (list.contains(step) && !paths.contains(path))
            paths.append(path);
    }
    return paths;
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
    preparer_->prepareAround(path, neighbourPaths(file1_, state_.CurrentFolder, state_.CurrentIndex), box);
}

void Corvane::ViewFile()
{
    picture1_->clear();

    // An index off the list means the opened file is not among the listed pictures: show that file.
    const bool listed = file1_.contains(state_.CurrentIndex);
    if (listed)
        state_.CurrentFilePath = state_.CurrentFolder + file1_.entry(state_.CurrentIndex);
    text1_->setText(state_.CurrentFilePath);

    showPicture(state_.CurrentFilePath);
    if (file1_.ListCount() > 0)
        picture1_->setVisible(true);

    const QString shownName =
        listed ? file1_.entry(state_.CurrentIndex) : platform::paths::nameOf(state_.CurrentFilePath);
    setWindowTitle(shownName + QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
    followInLargeView();
}

} // namespace editor
