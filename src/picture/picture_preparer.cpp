// The preparer's worker thread: fitting the pictures a step will likely show, and keeping at most a few
// bitmaps that still match their files.
#include "picture/picture_preparer.h"

#include "picture/picture_error.h"

#include <algorithm>
#include <new>

namespace picture {

PicturePreparer::PicturePreparer(Fit fit) : fit_(std::move(fit)), worker_([this] { work(); }) {}

PicturePreparer::~PicturePreparer()
{
    stop();
    worker_.join();
}

void PicturePreparer::stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
}

bool PicturePreparer::idle() const
{
    const std::lock_guard lock(mutex_);
    return queue_.empty() && !busy_;
}

void PicturePreparer::setEnabled(bool enabled)
{
    const std::lock_guard lock(mutex_);
    enabled_ = enabled;
    if (!enabled) {
        queue_.clear();
        kept_.clear();
    }
}

PicturePtr PicturePreparer::fitted(const QString& path, QSize box)
{
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (stamp) {
        const std::lock_guard lock(mutex_);
        if (PicturePtr ready = keptLocked(path, box, *stamp))
            return ready;
    }
    PicturePtr bitmap = fit_(path, box);
    if (bitmap && stamp && FileStamp::of(path) == stamp) {
        const std::lock_guard lock(mutex_);
        if (enabled_)
            keepLocked({path, box, *stamp, bitmap});
    }
    return bitmap;
}

void PicturePreparer::prepareAround(const QString& current, const QStringList& neighbours, QSize box)
{
    {
        const std::lock_guard lock(mutex_);
        if (!enabled_ || stopping_)
            return;
        wanted_ = QStringList{current} + neighbours;
        box_ = box;
        std::erase_if(kept_, [&](const Kept& kept) { return kept.box != box || !wanted_.contains(kept.path); });
        queue_.assign(neighbours.begin(), neighbours.end());
        std::erase(queue_, current);
    }
    wake_.notify_all();
}

void PicturePreparer::work()
{
    for (;;) {
        QString path;
        QSize box;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            path = queue_.front();
            queue_.pop_front();
            box = box_;
            busy_ = true;
        }
        prepareOne(path, box);
        const std::lock_guard lock(mutex_);
        busy_ = false;
    }
}

void PicturePreparer::prepareOne(const QString& path, QSize box)
{
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (!stamp)
        return;
    {
        const std::lock_guard lock(mutex_);
        if (keptLocked(path, box, *stamp))
            return;
    }
    PicturePtr bitmap;
    try {
        bitmap = fit_(path, box);
    } catch (const PictureError&) {
        return; // the step to it will try again and show the area empty, as for any damaged file
    } catch (const std::bad_alloc&) {
        return;
    }
    // A file written while it was read may have given a mix of old and new: keep nothing.
    if (!bitmap || FileStamp::of(path) != stamp)
        return;
    const std::lock_guard lock(mutex_);
    if (enabled_ && !stopping_ && box == box_ && wanted_.contains(path))
        keepLocked({path, box, *stamp, std::move(bitmap)});
}

PicturePtr PicturePreparer::keptLocked(const QString& path, QSize box, const FileStamp& stamp) const
{
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) {
        return kept.path == path && kept.box == box && kept.stamp == stamp;
    });
    return found == kept_.end() ? nullptr : found->bitmap;
}

// One bitmap per path; beyond the limit the oldest of those no step is near goes first, else the oldest.
void PicturePreparer::keepLocked(Kept kept)
{
    std::erase_if(kept_, [&](const Kept& old) { return old.path == kept.path; });
    kept_.push_back(std::move(kept));
    while (kept_.size() > kKept) {
        const auto unwanted =
            std::find_if(kept_.begin(), kept_.end(), [&](const Kept& old) { return !wanted_.contains(old.path); });
        kept_.erase(unwanted != kept_.end() ? unwanted : kept_.begin());
    }
}

} // namespace picture
