// The few UTF-8 facts the library needs: validity, character boundaries and Latin-1 conversion.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::utf8 {

bool isValid(std::string_view text);
bool isAscii(std::string_view text);
// The largest length <= limit that does not cut a multi-byte character of `text` in half.
size_t boundaryAtOrBefore(std::string_view text, size_t limit);
std::string fromLatin1(std::string_view latin1);

}
