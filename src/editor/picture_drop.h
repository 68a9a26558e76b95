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
// has finished. Drops of anything else are left to the widget (text into a text box, say).
class PictureDropFilter final : public QObject {
    Q_OBJECT
public:
    PictureDropFilter(const platform::Files& files, std::function<void(const QString&)> open,
                      QObject* parent);

    // Lets `widget` take picture drops, watched by this filter.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const platform::Files& files_;
    std::function<void(const QString&)> open_;
};

} // namespace editor
