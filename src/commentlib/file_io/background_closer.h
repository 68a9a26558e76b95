// Closes descriptors on a worker thread. Closing the last descriptor of a file that was replaced frees the
// file's blocks, which on a file system that discards freed blocks waits for the disk; a batch hands those
// descriptors over here and goes on with its next files meanwhile. Destroying the closer waits until every
// descriptor handed over is closed.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace corvane {

class BackgroundCloser {
public:
    BackgroundCloser() = default;
    BackgroundCloser(const BackgroundCloser&) = delete;
    BackgroundCloser& operator=(const BackgroundCloser&) = delete;
    ~BackgroundCloser();

    void close(int descriptor);

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<int> queue_;
    bool stopping_ = false;
    std::thread worker_; // started with the first descriptor
};

}
