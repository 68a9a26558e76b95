// A caption is blank when nothing is left once spaces and NULs are trimmed from both ends.
#include "commentlib/fields/caption_text.h"

namespace corvane {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto isPadding = [](char c) { return c == ' ' || c == '\0'; };
    while (!text.empty() && isPadding(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isPadding(text.back()))
        text.remove_suffix(1);
    return text;
}

}

bool isBlankCaption(std::string_view text)
{
    return trimmed(text).empty();
}

}
