// Showing the session's current file after a step or an open: path box, picture area, title, and its
// photo comment in the comment box.
#include "editor/main_window.h"

#include "editor/comment_box.h"
#include "forms/twips.h"
#include "picture/fit_geometry.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "platform/paths.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

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

void Corvane::showStep()
{
    ViewFile();
    if (reportNotAFile(session_.CurrentFilePath())) {
        // Nothing is read from it: the comment readers would wait on a pipe for ever.
        text2_->clear();
        rememberLoaded();
        return;
    }
    dllcomments();
    readyForTyping();
}

void Corvane::dllcomments()
{
    text2_->setReadOnly(false);
    text2_->clear();
    if (session_.CurrentFilePath().isEmpty())
        return;
    if (option2_->isChecked()) {
        optiontwo();
        return;
    }
    text2_->setPlainText(session_.loadedComment());
    rememberLoaded();
}

// What the box gives back, not what the library read, counts as loaded: the box hands some characters
// back changed (a no-break space comes back as a plain space), and typing is told from what it gives back.
void Corvane::rememberLoaded()
{
    session_.rememberLoaded(text2_->toPlainText());
}

} // namespace editor
