// The zlib services PNG needs: chunk checksums, inflating compressed text with a hard size limit (so a small
// chunk cannot expand into gigabytes), and deflating text that was stored compressed.
#pragma once

#include "commentlib/bytes.h"

#include <optional>
#include <string>

namespace corvane {

uint32_t crc32Of(ByteView first, ByteView second = {});
std::optional<std::string> inflateLimited(ByteView compressed, size_t limit);
Bytes deflated(std::string_view text);

}
