#include "commentlib/caption_text.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

// Written by cameras into every picture's ImageDescription; they say nothing about the picture.
constexpr std::array<std::string_view, 9> kCameraPlaceholders{
    "OLYMPUS DIGITAL CAMERA",  "SONY DSC",           "DIGITAL CAMERA",
    "MINOLTA DIGITAL CAMERA",  "KONICA MINOLTA DIGITAL CAMERA", "SAMSUNG DIGITAL CAMERA",
    "SAMSUNG CAMERA PICTURES", "EASTMAN KODAK COMPANY",         "KODAK Digital Still Camera"};

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

bool isCameraPlaceholder(std::string_view text)
{
    const std::string_view word = trimmed(text);
    return std::find(kCameraPlaceholders.begin(), kCameraPlaceholders.end(), word) != kCameraPlaceholders.end();
}

}
