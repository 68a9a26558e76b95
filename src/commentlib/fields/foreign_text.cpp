// Stored text is cut at its first NUL, kept as it is when it is valid UTF-8 and otherwise decoded from code page 1252,
// whose five undefined bytes become the control characters of the same value.
#include "commentlib/fields/foreign_text.h"

#include "commentlib/utf8.h"

#include <cstdint>

namespace corvane {

namespace {

// 0x80 to 0x9F; the five bytes the code page leaves undefined map to the control characters of the same
// value, as the system's own conversion does.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char16_t codePoint)
{
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | codePoint >> 6);
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        out += char(0xE0 | codePoint >> 12);
        out += char(0x80 | (codePoint >> 6 & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    }
}

}

std::string fromWindows1252(std::string_view text)
{
    std::string result;
    result.reserve(text.size() * 2);
    for (char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        appendUtf8(result, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
    }
    return result;
}

std::string handedOver(std::string_view stored)
{
    const std::string_view text = stored.substr(0, stored.find('\0'));
    return utf8::isValid(text) ? std::string(text) : fromWindows1252(text);
}

}
