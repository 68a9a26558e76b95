// Pictures for a window of any size, decoded once and fitted anew on a worker thread.
#pragma once

// Pictures for a window that can be any size: a worker thread decodes the file once, upright and
// large enough for the largest screen, and fits it anew whenever the window changes size. The
// caller's thread never decodes or resamples, so a huge picture never freezes it; only the newest
// request counts, and a frame for an older one is never delivered.

#include "picture/picture_object.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace picture {

// What the worker made for one request: the picture fitted into `box`, or `failed` when the file
// cannot be decoded.
struct ViewFrame {
    QString path;
    QSize box;
    PicturePtr picture;
    bool failed = false;
};

class ViewRenderer {
public:
    using Delivery = std::function<void(const ViewFrame&)>;

    // `deliver` runs on the thread of `receiver`, which must outlive the renderer (hold the renderer
    // as one of its members).
    ViewRenderer(QObject* receiver, Delivery deliver);
    ~ViewRenderer();

    ViewRenderer(const ViewRenderer&) = delete;
    ViewRenderer& operator=(const ViewRenderer&) = delete;

    // Shows `path` fitted into `box` (device pixels, aspect kept, transparency on white), decoded
    // for pictures up to `largestBox`. The same path again is fitted from the pixels already decoded
    // unless `reread` asks for the file to be read anew.
    void request(const QString& path, QSize largestBox, QSize box, bool reread = false);

    // Forgets the decoded pixels; a frame under way is dropped.
    void clear();

    // No request is waiting and none is under way.
    bool idle() const;

private:
    struct Request {
        QString path;
        QSize largestBox;
        QSize box;
        bool reread = false;
        quint64 number = 0;
    };

    void work();
    ViewFrame render(const Request& request);
    void deliver(ViewFrame frame, quint64 number);

    QObject* const receiver_;
    const Delivery deliver_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    Request wanted_;
    quint64 latest_ = 0;
    bool pending_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    // Only the worker touches these.
    QString decodedPath_;
    QImage decoded_;
    QSize ownSize_;
    std::thread worker_;
};

} // namespace picture
