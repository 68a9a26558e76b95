// Raw profile text to bytes and back. Decoding trusts the hexadecimal digits over the stated byte count; encoding
// writes the count right-aligned in eight columns and 36 bytes to a line.
#include "commentlib/png/png_raw_profile.h"

#include <charconv>

namespace corvane::png {

namespace {

constexpr size_t kHexPerLine = 72;
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::optional<uint8_t> hexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return uint8_t(digit - '0');
    if (digit >= 'a' && digit <= 'f')
        return uint8_t(digit - 'a' + 10);
    if (digit >= 'A' && digit <= 'F')
        return uint8_t(digit - 'A' + 10);
    return std::nullopt;
}

// Splits off the text up to the next line break.
std::string_view takeLine(std::string_view& text)
{
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return line;
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Hexadecimal digits with any white space between them.
std::optional<Bytes> fromHex(std::string_view hex)
{
    Bytes out;
    bool highHalf = true;
    for (const char c : hex) {
        if (c == '\n' || c == ' ' || c == '\r' || c == '\t')
            continue;
        const auto value = hexValue(c);
        if (!value)
            return std::nullopt;
        if (highHalf)
            out.push_back(uint8_t(*value << 4));
        else
            out.back() |= *value;
        highHalf = !highHalf;
    }
    return highHalf ? std::optional(std::move(out)) : std::nullopt;
}

}

std::optional<RawProfile> decodeRawProfile(std::string_view text)
{
    if (text.empty() || text.front() != '\n')
        return std::nullopt;
    text.remove_prefix(1);
    RawProfile profile{std::string(takeLine(text)), {}};
    const std::string_view count = trimmed(takeLine(text));
    size_t length = 0;
    const auto parsed = std::from_chars(count.data(), count.data() + count.size(), length);
    if (count.empty() || parsed.ec != std::errc() || parsed.ptr != count.data() + count.size())
        return std::nullopt;
    // A count that disagrees with the digits is taken from the digits, as other readers do.
    auto data = fromHex(text);
    if (!data)
        return std::nullopt;
    profile.data = std::move(*data);
    return profile;
}

std::string encodeRawProfile(const RawProfile& profile)
{
    std::string count = std::to_string(profile.data.size());
    std::string text = "\n" + profile.name + "\n" + std::string(count.size() < 8 ? 8 - count.size() : 0, ' ') + count;
    for (size_t i = 0; i < profile.data.size(); ++i) {
        if (i % (kHexPerLine / 2) == 0)
            text += '\n';
        text += kHexDigits[profile.data[i] >> 4];
        text += kHexDigits[profile.data[i] & 0x0F];
    }
    return text + "\n";
}

}
