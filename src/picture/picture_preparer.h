// Fitting the next and previous pictures ahead of need on a worker thread.
#pragma once

// Fitting pictures ahead of need. While the user reads or types, a worker thread fits the pictures
// the next step will most likely show, so the step finds its bitmap ready. Only fitted bitmaps are
// kept, at most three, each with the stamp its file had when it was read; one is used only while its
// file still has that stamp, so a picture changed on disk is read again. The worker touches nothing
// but its own list: the caller's thread never waits for it, and stopping waits at most for the one
// fit under way.

#include "picture/file_stamp.h"
#include "picture/picture_object.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace picture {

class PicturePreparer {
public:
    // Fits one file into a box; throws for a file it cannot fit, as loadFitted does.
    using Fit = std::function<PicturePtr(const QString& path, QSize box)>;

    static constexpr std::size_t kKept = 3;

    explicit PicturePreparer(Fit fit);
    ~PicturePreparer();

    PicturePreparer(const PicturePreparer&) = delete;
    PicturePreparer& operator=(const PicturePreparer&) = delete;

    // The bitmap of `path` fitted into `box`: the kept one when the file is unchanged since it was
    // read, else fitted now on the calling thread (and kept). Throws what the fit throws.
    PicturePtr fitted(const QString& path, QSize box);

    // `current` is shown: keep its bitmap, fit `neighbours` ahead in this order, forget all others.
    void prepareAround(const QString& current, const QStringList& neighbours, QSize box);

    // Off: nothing is kept or prepared, and every bitmap is fitted when it is asked for.
    void setEnabled(bool enabled);

    // Starts no further fit; the one under way, if any, ends on its own.
    void stop();

    // Nothing is waiting to be fitted and no fit is under way.
    bool idle() const;

private:
    struct Kept {
        QString path;
        QSize box;
        FileStamp stamp;
        PicturePtr bitmap;
    };

    void work();
    void prepareOne(const QString& path, QSize box);
    // The kept bitmap of `path` for `box` read from a file that had `stamp`; null when there is none.
    PicturePtr keptLocked(const QString& path, QSize box, const FileStamp& stamp) const;
    void keepLocked(Kept kept);

    const Fit fit_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QString> queue_;
    QStringList wanted_;
    QSize box_;
    std::vector<Kept> kept_;
    bool enabled_ = true;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace picture
