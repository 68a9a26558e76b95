// Raw profiles: binary metadata some converters keep in a PNG text chunk named "Raw profile type <name>",
// written as a line with the name, a line with the byte count, and the bytes in hexadecimal lines.
#pragma once

#include "commentlib/bytes.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::png {

inline constexpr std::string_view kRawProfileKeyword = "raw profile type "; // in lower case

struct RawProfile {
    std::string name; // as its first line gives it
    Bytes data;
};

// The profile in a chunk's text, or nothing when the text is not one.
std::optional<RawProfile> decodeRawProfile(std::string_view text);
std::string encodeRawProfile(const RawProfile& profile);

}
