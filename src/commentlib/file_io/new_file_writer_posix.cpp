// Small pieces are gathered into writes of up to 64 KiB; larger unchanged ranges are copied by the kernel in 4 MiB
// steps, writeback starting as each lands. An unread part of 1 MiB or more is checked while a second thread copies it.
#include "commentlib/file_io/new_file_writer.h"

#include "commentlib/corvane.h"
#include "commentlib/file_io/errno_status.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>
#include <system_error>
#include <thread>

namespace corvane {

namespace {

// Large enough that the disk sees long runs, small enough to overlap most of a photo's copy.
constexpr uint64_t kWritebackStep = 4 << 20;
constexpr size_t kGatherLimit = 64 * 1024;
// Below this, starting a thread costs more than the check it would hide.
constexpr uint64_t kCheckBesideCopy = 1 << 20;

int32_t writeFailure()
{
    return statusFromErrno(errno, CORVANE_E_WRITE);
}

}

int32_t NewFileWriter::write(const EditPlan& plan)
{
    for (const Piece& piece : plan.pieces()) {
        const int32_t status = std::holds_alternative<SourceRange>(piece)
                                   ? copyPiece(std::get<SourceRange>(piece), plan.unreadPart())
                                   : writeBytes(std::get<Bytes>(piece));
        if (status != CORVANE_OK)
            return status;
    }
    return writeGathered();
}

void NewFileWriter::advance(uint64_t length)
{
    written_ += length;
    if (written_ - writebackStarted_ >= kWritebackStep)
        startWriteback();
}

// Starts writing back what was copied so far without waiting for it; durability still comes from the flush.
void NewFileWriter::startWriteback()
{
    if (written_ > writebackStarted_)
        sync_file_range(target_, off_t(writebackStarted_), off_t(written_ - writebackStarted_), SYNC_FILE_RANGE_WRITE);
    writebackStarted_ = written_;
}

int32_t NewFileWriter::writeBytes(ByteView bytes)
{
    if (gathered_.size() + bytes.size() <= kGatherLimit) {
        gathered_.insert(gathered_.end(), bytes.begin(), bytes.end());
        return CORVANE_OK;
    }
    const int32_t status = writeGathered();
    return status == CORVANE_OK ? writeNow(bytes) : status;
}

int32_t NewFileWriter::writeGathered()
{
    const int32_t status = writeNow(gathered_);
    gathered_.clear();
    return status;
}

int32_t NewFileWriter::writeNow(ByteView bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(target_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return writeFailure();
        if (written == 0)
            return CORVANE_E_WRITE;
        advance(uint64_t(written));
        bytes = bytes.subspan(size_t(written));
    }
    return CORVANE_OK;
}

int32_t NewFileWriter::copyPiece(SourceRange range, const std::optional<UnreadPart>& unread)
{
    const uint64_t end = range.offset + range.length;
    if (!unread || end <= unread->from)
        return copyRange(range);
    if (range.offset < unread->from)
        if (const int32_t status = copyRange({range.offset, unread->from - range.offset}); status != CORVANE_OK)
            return status;
    const uint64_t checkedFrom = std::max(range.offset, unread->from);
    const std::unique_ptr<StreamCheck> check = unread->check();
    return copyChecked({checkedFrom, end - checkedFrom}, *check);
}

// Lets the kernel copy an unchanged range file to file, unless it is a small one already in memory. Gives up
// between steps once `stop` is set.
int32_t NewFileWriter::copyRange(SourceRange range, const std::atomic<bool>* stop)
{
    const ByteView loaded = source_.bytes();
    if (range.length <= kGatherLimit && fits(loaded.size(), range.offset, range.length))
        return writeBytes(loaded.subspan(range.offset, range.length));
    if (const int32_t status = writeGathered(); status != CORVANE_OK)
        return status;
    loff_t from = loff_t(range.offset);
    uint64_t left = range.length;
    while (left > 0) {
        if (stop && *stop)
            return CORVANE_E_WRITE;
        // In steps, so the disk starts on each step while the next is copied.
        const ssize_t copied =
            copy_file_range(source_.descriptor(), &from, target_, nullptr, std::min(left, kWritebackStep), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && (errno == ENOSPC || errno == EDQUOT || errno == EIO))
            return writeFailure();
        if (copied <= 0)
            return copyThroughMemory({range.offset + range.length - left, left});
        advance(uint64_t(copied));
        left -= uint64_t(copied);
    }
    return CORVANE_OK;
}

int32_t NewFileWriter::copyChecked(SourceRange range, StreamCheck& check)
{
    if (range.length >= kCheckBesideCopy)
        if (const auto status = copyBesideCheck(range, check))
            return *status;
    return copyThroughMemory(range, &check);
}

// A large range is copied by the kernel on a thread of its own while this one reads it for the check, so on a
// second core the check costs no time of its own; the copy stops soon after the check fails. Nothing when no
// thread can be started.
std::optional<int32_t> NewFileWriter::copyBesideCheck(SourceRange range, StreamCheck& check)
{
    if (const int32_t status = writeGathered(); status != CORVANE_OK)
        return status;
    std::atomic<bool> stop{false};
    int32_t copied = CORVANE_OK;
    std::thread copier;
    try {
        copier = std::thread([&] { copied = copyRange(range, &stop); });
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    const int32_t read = source_.stream(range.offset, range.length, [&](ByteView chunk) {
        check.feed(chunk);
        return !check.settled();
    });
    const int32_t answer = read == CORVANE_OK ? check.answer() : read;
    stop = answer != CORVANE_OK;
    copier.join();
    return answer == CORVANE_OK ? copied : answer;
}

// Copies through our own buffer: where the kernel cannot copy file to file, and for a range that goes through
// a check on the way (one read serves both, and the copy stops as soon as the check fails).
int32_t NewFileWriter::copyThroughMemory(SourceRange range, StreamCheck* check)
{
    int32_t written = CORVANE_OK;
    const int32_t status = source_.stream(range.offset, range.length, [&](ByteView chunk) {
        if (check && !check->settled())
            check->feed(chunk);
        if (check && check->settled() && check->answer() != CORVANE_OK)
            return false;
        written = writeBytes(chunk);
        return written == CORVANE_OK;
    });
    if (written != CORVANE_OK)
        return written;
    return status == CORVANE_OK && check ? check->answer() : status;
}

}
