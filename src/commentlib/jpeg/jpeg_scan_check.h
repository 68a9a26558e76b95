// Follows a JPEG's entropy-coded data and the segments between its scans up to EOI, the same walk the full
// parse makes, without keeping any of it: a clean answer means the image data holds no comment up to its end,
// or up to where it is cut short or damaged, so the header alone decides the edit.
#pragma once

#include "commentlib/stream_check.h"

namespace corvane::jpeg {

class ScanCheck : public StreamCheck {
public:
    void feed(ByteView chunk) override;
    bool settled() const override { return state_ >= State::Clean; }
    int32_t answer() const override;

private:
    enum class State { Data, Fill, LengthHigh, LengthLow, Skip, Clean, HoldsComment, Damaged };

    void onMarker(uint8_t marker);
    // Consumes what the current state needs from `chunk` starting at `pos` and returns the next position.
    size_t step(ByteView chunk, size_t pos);

    State state_ = State::Data;
    uint16_t length_ = 0;
    uint64_t toSkip_ = 0;
};

}
