// Showing the picture at the current index: path box, picture area and title.
#include "editor/main_window.h"

#include "editor/twips.h"
#include "picture/picture.h"
#include "platform/paths.h"

#include <QLabel>
#include <QLineEdit>

namespace editor {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

} // namespace

// Loads the file and fits it, aspect kept, centred on white, into the picture area's outer size.
// A file that cannot be loaded leaves the area empty; nothing is reported.
void Corvane::showPicture(const QString& path)
{
    const QSize box(twipsToPixels(8895), twipsToPixels(2895));
    try {
        const picture::PicturePtr fitted = picture::loadFitted(path, box, kWhite);
        if (fitted)
            picture1_->setPixmap(QPixmap::fromImage(fitted->image()));
    } catch (const picture::PictureError&) {
        // a damaged or unsupported file: the area stays empty, path and title still follow
    }
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
}

} // namespace editor
