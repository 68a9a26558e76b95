// MD5 through the system's message-digest library, for the digest photo editors keep of IPTC data.
#pragma once

#include "commentlib/bytes.h"

#include <array>

namespace corvane {

inline constexpr size_t kMd5Size = 16;
using Md5 = std::array<uint8_t, kMd5Size>;

Md5 md5Of(ByteView data);

}
