// UTF-8 is checked against overlong forms, surrogates and code points past U+10FFFF; a cut point steps back at most
// three bytes to a character's start; Latin-1 widens to two-byte sequences.
#include "commentlib/utf8.h"

#include <algorithm>

namespace corvane::utf8 {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence led by `lead`, or 0 for a byte that cannot start one.
size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Rejects overlong forms, surrogates and code points above U+10FFFF, which the lead byte alone cannot.
bool secondByteAllowed(unsigned char lead, unsigned char second)
{
    switch (lead) {
    case 0xE0:
        return second >= 0xA0;
    case 0xED:
        return second <= 0x9F;
    case 0xF0:
        return second >= 0x90;
    case 0xF4:
        return second <= 0x8F;
    default:
        return true;
    }
}

}

bool isValid(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = sequenceLength(lead);
        if (length == 0 || length > text.size() - i)
            return false;
        for (size_t k = 1; k < length; ++k)
            if (!isContinuation(static_cast<unsigned char>(text[i + k])))
                return false;
        if (length > 1 && !secondByteAllowed(lead, static_cast<unsigned char>(text[i + 1])))
            return false;
        i += length;
    }
    return true;
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

size_t boundaryAtOrBefore(std::string_view text, size_t limit)
{
    if (limit >= text.size())
        return text.size();
    size_t cut = limit;
    // A character is at most four bytes, so at most three continuation bytes are ever stepped back over.
    while (cut > 0 && limit - cut < 3 && isContinuation(static_cast<unsigned char>(text[cut])))
        --cut;
    return isContinuation(static_cast<unsigned char>(text[cut])) ? limit : cut;
}

std::string fromLatin1(std::string_view latin1)
{
    std::string result;
    result.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            result += c;
        } else {
            result += static_cast<char>(0xC0 | byte >> 6);
            result += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return result;
}

}
