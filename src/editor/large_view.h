// LargeView: the shown picture in a window of its own, at any size or on the full screen.
#pragma once

#include "picture/view_renderer.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace editor {

// The picture the main window shows, in a window of its own that can be any size or fill the screen.
// It is drawn at the window's own device pixels from the decoded picture, never from the main
// window's small copy, and is fitted anew on a worker thread whenever the window changes size.
//
// The view does not keep the keyboard: it opens without taking it (and gives it straight back where
// the window system hands it over anyway), and once clicked, any key but its own hands the keyboard
// back to the main window along with that key, so typing and Save go on as before. Its own keys are
// F11 (full screen), Escape (leaves full screen, else closes the view), Ctrl+W (closes it) and the
// main window's Next and Previous keys, with the arrow and page keys beside them.
class LargeView final : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> next;
        std::function<void()> previous;
        // The keyboard goes back to the main window: with a key pressed in the view that is the main
        // window's, or with none when the view was activated only by opening.
        std::function<void(QKeyEvent*)> returnKeyboard;
    };

    explicit LargeView(Actions actions, QWidget* parent = nullptr);

    // Shows the file, read anew, under `name`.
    void showPicture(const QString& path, const QString& name);
    // The shown picture went to the trash: the view says so instead of showing it.
    void showTrashed(const QString& name);
    void toggleFullScreen();

    QString shownPath() const { return path_; }
    // The picture as drawn, in device pixels; null while it is being prepared or cannot be shown.
    QImage shownImage() const;
    // The words shown instead of a picture, if any.
    QString notice() const { return notice_; }
    // No picture is being prepared.
    bool settled() const { return renderer_.idle(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void requestFit(bool reread);
    void take(const picture::ViewFrame& frame);
    // The drawing area in device pixels.
    QSize deviceBox() const;
    // Where the picture goes, in the window's own coordinates, for the current size.
    QRectF pictureRect(QSize pictureSize) const;
    void drawNotice(QPainter& painter) const;
    bool handleViewKey(QKeyEvent* event);

    Actions actions_;
    QString path_;
    QString notice_;
    picture::PicturePtr shown_;
    bool watchingScreen_ = false;
    // Set while the view has just opened and the user has not yet pointed at it.
    bool justOpened_ = false;
    // Last, so it stops before the rest of the view goes.
    picture::ViewRenderer renderer_;
};

} // namespace editor
