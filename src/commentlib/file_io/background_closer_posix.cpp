// The closer's worker thread starts with the first descriptor handed over and drains the queue before the destructor
// lets it stop. Where no thread can be started, a descriptor is closed on the spot.
#include "commentlib/file_io/background_closer.h"

#include <unistd.h>

#include <system_error>

namespace corvane {

BackgroundCloser::~BackgroundCloser()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable())
        worker_.join();
    for (int descriptor : queue_)
        ::close(descriptor);
}

void BackgroundCloser::close(int descriptor)
{
    if (descriptor < 0)
        return;
    {
        std::lock_guard lock(mutex_);
        if (!worker_.joinable()) {
            try {
                worker_ = std::thread([this] { run(); });
            } catch (const std::system_error&) {
                // No thread to be had: closing here only costs the wait.
                ::close(descriptor);
                return;
            }
        }
        queue_.push_back(descriptor);
    }
    wake_.notify_one();
}

void BackgroundCloser::run()
{
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        const int descriptor = queue_.front();
        queue_.pop_front();
        lock.unlock();
        ::close(descriptor);
        lock.lock();
    }
}

}
