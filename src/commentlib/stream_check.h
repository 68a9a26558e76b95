// A check over the part of a file an editor planned without reading. The bytes reach it in order, in chunks,
// while they are copied into the new file (or, when nothing else needs them, while they are only read), so an
// edit that depends on them costs no pass of its own over the bulk of the file.
#pragma once

#include "commentlib/bytes.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>

namespace corvane {

// Never leaves the library: the unread part holds something the edit must also change, so the edit is planned
// again from the whole file.
inline constexpr int32_t kNeedsWholeFile = std::numeric_limits<int32_t>::min();

class StreamCheck {
public:
    virtual ~StreamCheck() = default;
    virtual void feed(ByteView chunk) = 0;
    // True once no further byte can change the answer.
    virtual bool settled() const = 0;
    // CORVANE_OK, CORVANE_E_DAMAGED or kNeedsWholeFile; asked after the last chunk or once settled.
    virtual int32_t answer() const = 0;
};

using StreamCheckFactory = std::function<std::unique_ptr<StreamCheck>()>;

}
