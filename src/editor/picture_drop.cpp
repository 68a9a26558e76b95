#include "editor/picture_drop.h"

#include "editor/picture_file_pattern.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace editor {

QString droppedPicture(const QMimeData* data, const platform::Files& files)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl first = data->urls().constFirst();
    if (!first.isLocalFile())
        return {};
    const QString path = first.toLocalFile();
    if (!matchesPictureFilePattern(platform::paths::nameOf(path)) || !files.exists(path))
        return {};
    return path;
}

PictureDropFilter::PictureDropFilter(const platform::Files& files, std::function<void(const QString&)> open,
                                     QObject* parent)
    : QObject(parent), files_(files), open_(std::move(open))
{
}

void PictureDropFilter::watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool PictureDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedPicture(drop->mimeData(), files_);
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Opening may ask about unsaved edits; the question must not run inside the drop itself,
        // while the source application still waits for the drop to end.
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    }
    return true;
}

} // namespace editor
