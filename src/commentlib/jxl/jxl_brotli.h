// Brotli decompression of a compressed metadata box, with a hard limit on what it may grow to, so a small
// hostile box cannot take the memory of the program reading it.
#pragma once

#include "commentlib/bytes.h"

#include <optional>

namespace corvane::jxl {

inline constexpr size_t kMaxUnpacked = 8 * 1024 * 1024;

// Nothing when the data is not one whole Brotli stream or would outgrow kMaxUnpacked.
std::optional<Bytes> unpacked(ByteView compressed);

}
