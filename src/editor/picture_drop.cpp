// Taking a dropped picture file, and refusing other dropped files.
#include "editor/picture_drop.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "session/picture_file_pattern.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace editor {

QString droppedPicture(const QMimeData* data, const platform::Files& files)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl first = data->urls().constFirst();
    if (!first.isLocalFile())
        return {};
    const QString path = first.toLocalFile();
    if (!session::matchesPictureFilePattern(platform::paths::nameOf(path)) || !files.exists(path))
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

namespace {

// Copy or Link, never Move: the window only reads the dropped file, and a source told the file was
// moved may delete its own.
std::optional<Qt::DropAction> readingAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return std::nullopt;
}

bool bringsFiles(const QMimeData* data)
{
    return data && data->hasUrls() && !data->urls().isEmpty() && data->urls().constFirst().isLocalFile();
}

} // namespace

bool PictureDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!bringsFiles(drop->mimeData()))
        return QObject::eventFilter(watched, event); // text and the like: the widget's own business
    const QString path = droppedPicture(drop->mimeData(), files_);
    const std::optional<Qt::DropAction> action = readingAction(drop->possibleActions());
    if (path.isEmpty() || !action) {
        drop->ignore(); // files that are not pictures never become text in a box
        return true;
    }
    drop->setDropAction(*action);
    drop->accept();
    if (type == QEvent::Drop) {
        // Opening may ask about unsaved edits; the question must not run inside the drop itself,
        // while the source application still waits for the drop to end.
        QTimer::singleShot(0, this, [this, path] { open_(path); });
    }
    return true;
}

} // namespace editor
