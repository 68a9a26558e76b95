// The large view: opened by F11 or a double click on the picture area, it shows what this window
// shows, while the keyboard stays with the comment box.
#include "editor/main_window.h"

#include "editor/command_keys.h"
#include "editor/comment_box.h"
#include "editor/large_view.h"
#include "editor/picture_button.h"
#include "platform/paths.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>

namespace editor {

namespace {

class DoubleClickFilter final : public QObject {
public:
    DoubleClickFilter(QObject* watched, std::function<void()> action) : QObject(watched), action_(std::move(action))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

} // namespace

LargeView* Corvane::largeView() const
{
    return largeView_;
}

void Corvane::watchPictureDoubleClicks()
{
    new DoubleClickFilter(picture1_, [this] { showLargeView(); });
    for (const QKeySequence& key : largeViewKeys())
        connect(new QShortcut(key, this), &QShortcut::activated, this, &Corvane::largeViewKeyPressed);
    picture1_->setToolTip(keyTip(tr("Double-click for a large view"), largeViewKeys()));
}

void Corvane::largeViewKeyPressed()
{
    if (largeView_)
        largeView_->toggleFullScreen();
    else
        showLargeView();
}

void Corvane::showLargeView()
{
    if (largeView_) {
        largeView_->raise();
        return;
    }
    largeView_ = new LargeView({[this] { command_[2]->click(); }, [this] { command_[3]->click(); },
                                [this](QKeyEvent* event) { takeKeyboardBack(event); }});
    largeView_->setAttribute(Qt::WA_DeleteOnClose);
    largeView_->setWindowIcon(windowIcon());
    if (const QScreen* screen = this->screen())
        largeView_->resize(screen->availableGeometry().size() * 2 / 3);
    followInLargeView();
    largeView_->show();
}

void Corvane::followInLargeView()
{
    const QString& path = session_.CurrentFilePath();
    if (largeView_ && !path.isEmpty())
        largeView_->showPicture(path, platform::paths::nameOf(path));
}

void Corvane::takeKeyboardBack(QKeyEvent* event)
{
    activateWindow();
    text2_->setFocus(Qt::ActiveWindowFocusReason);
    if (!event)
        return;
    // Typing over a full-screen view shows where it goes.
    raise();
    const QKeySequence pressed(event->keyCombination());
    for (QShortcut* shortcut : findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
        if (shortcut->keys().contains(pressed)) {
            emit shortcut->activated();
            return;
        }
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                    event->count());
    QApplication::sendEvent(text2_, &typed);
}

} // namespace editor
