// The large view's worker: decoding a picture once and fitting it anew for each window size.
#include "picture/view_renderer.h"

#include "picture/fit_geometry.h"
#include "picture/picture_decoder.h"
#include "picture/picture_error.h"
#include "picture/render_fitted.h"

#include <QMetaObject>
#include <new>

namespace picture {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

} // namespace

ViewRenderer::ViewRenderer(QObject* receiver, Delivery deliver)
    : receiver_(receiver), deliver_(std::move(deliver)), worker_([this] { work(); })
{
}

ViewRenderer::~ViewRenderer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void ViewRenderer::request(const QString& path, QSize largestBox, QSize box, bool reread)
{
    {
        std::lock_guard lock(mutex_);
        wanted_ = {path, largestBox, box, reread, ++latest_};
        pending_ = true;
    }
    wake_.notify_one();
}

void ViewRenderer::clear()
{
    request(QString(), QSize(), QSize());
}

bool ViewRenderer::idle() const
{
    std::lock_guard lock(mutex_);
    return !pending_ && !busy_;
}

void ViewRenderer::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        if (stopping_)
            return;
        const Request request = wanted_;
        pending_ = false;
        busy_ = true;
        lock.unlock();
        ViewFrame frame = render(request);
        if (!frame.path.isEmpty())
            deliver(std::move(frame), request.number);
        lock.lock();
        busy_ = false;
    }
}

// Decodes only when the path changed or a fresh read is asked for; a new size is a new fit of the
// pixels already decoded.
ViewFrame ViewRenderer::render(const Request& request)
{
    ViewFrame frame{request.path, request.box, nullptr, false};
    if (request.path.isEmpty() || request.reread || request.path != decodedPath_) {
        decodedPath_.clear();
        decoded_ = QImage();
    }
    if (request.path.isEmpty())
        return frame;
    try {
        if (decodedPath_.isEmpty()) {
            DecodedPicture decoded = decodeForBox(request.path, request.largestBox);
            decoded_ = std::move(decoded.image);
            ownSize_ = decoded.ownSize;
            decodedPath_ = request.path;
        }
        if (!request.box.isEmpty())
            frame.picture =
                renderFitted(decoded_, ownSize_, fittedRect(ownSize_, request.box, true).size(), kWhite, true);
    } catch (const PictureError&) {
        frame.failed = true;
    } catch (const std::bad_alloc&) {
        frame.failed = true;
    }
    frame.failed = frame.failed || (!request.box.isEmpty() && !frame.picture);
    return frame;
}

// The frame goes to the receiver's thread; by the time it arrives a newer request may have made it
// stale, and then it is dropped.
void ViewRenderer::deliver(ViewFrame frame, quint64 number)
{
    QMetaObject::invokeMethod(
        receiver_,
        [this, frame = std::move(frame), number] {
            {
                std::lock_guard lock(mutex_);
                if (number != latest_)
                    return;
            }
            deliver_(frame);
        },
        Qt::QueuedConnection);
}

} // namespace picture
