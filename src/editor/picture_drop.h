// Pictures dropped on the window: which drops are taken, and handing them on.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace platform {
class Files;
}

namespace editor {

// The picture a drop brings: the first dropped item, when it is a local file that the folder list
// would take for a picture. Empty for anything else.
QString droppedPicture(const QMimeData* data, const platform::Files& files);

// Watches a widget for pictures dragged onto it and hands each dropped one to `open`, after the drop
// has finished. A drop is taken as a copy or a link, never a move. Dropped files that are not
// pictures are refused; drops of anything but files (text, say) are left to the widget.
class PictureDropFilter final : public QObject {
    Q_OBJECT
public:
    PictureDropFilter(const platform::Files& files, std::function<void(const QString&)> open, QObject* parent);

    // Lets `widget` take picture drops, watched by this filter.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const platform::Files& files_;
    std::function<void(const QString&)> open_;
};

} // namespace editor
