// The image-data walk is a state machine fed in chunks: stuffed zeros and restart markers stay image data, segments
// between scans are skipped by their length, and the walk settles at EOI, at a COM marker, or at damage.
#include "commentlib/jpeg/jpeg_scan_check.h"

#include "commentlib/corvane.h"

#include <cstring>

namespace corvane::jpeg {

namespace {

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kCom = 0xFE;

bool isRestart(uint8_t marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

}

void ScanCheck::feed(ByteView chunk)
{
    size_t pos = 0;
    while (pos < chunk.size() && !settled())
        pos = step(chunk, pos);
}

int32_t ScanCheck::answer() const
{
    // Image data that ends short of EOI, or is damaged, is copied as it stands: the picture still shows.
    return state_ == State::HoldsComment ? kNeedsWholeFile : CORVANE_OK;
}

void ScanCheck::onMarker(uint8_t marker)
{
    if (marker == 0x00 || isRestart(marker) || marker == 0x01)
        state_ = State::Data; // a stuffed zero, a restart marker, or a standalone marker
    else if (marker == kEoi)
        state_ = State::Clean;
    else if (marker == kSoi)
        state_ = State::Damaged;
    else if (marker == kCom)
        state_ = State::HoldsComment;
    else if (marker != 0xFF)
        state_ = State::LengthHigh;
}

size_t ScanCheck::step(ByteView chunk, size_t pos)
{
    switch (state_) {
    case State::Data: {
        const void* found = std::memchr(chunk.data() + pos, 0xFF, chunk.size() - pos);
        if (!found)
            return chunk.size();
        state_ = State::Fill;
        return size_t(static_cast<const uint8_t*>(found) - chunk.data()) + 1;
    }
    case State::Fill:
        onMarker(chunk[pos]);
        return pos + 1;
    case State::LengthHigh:
        length_ = uint16_t(chunk[pos] << 8);
        state_ = State::LengthLow;
        return pos + 1;
    case State::LengthLow:
        length_ |= chunk[pos];
        toSkip_ = length_ >= 2 ? length_ - 2u : 0;
        state_ = length_ < 2 ? State::Damaged : toSkip_ > 0 ? State::Skip : State::Data;
        return pos + 1;
    case State::Skip: {
        const uint64_t taken = std::min<uint64_t>(toSkip_, chunk.size() - pos);
        toSkip_ -= taken;
        if (toSkip_ == 0)
            state_ = State::Data;
        return pos + size_t(taken);
    }
    default:
        return chunk.size();
    }
}

}
