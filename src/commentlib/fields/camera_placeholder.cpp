// A placeholder is told by its words, split at spaces and underscores: a generic phrase after at most two words in
// capitals (some phrases count only after such a word), or the format's name with at most one word after it.
#include "commentlib/fields/camera_placeholder.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace corvane {

namespace {

// The generic phrases, in lower case, and whether they name nothing without a maker before them.
struct Phrase {
    std::string_view words;
    bool needsMaker;
};

constexpr std::array<Phrase, 6> kPhrases{{{"digital camera", false},
                                          {"digital still camera", false},
                                          {"camera pictures", true},
                                          {"company", true},
                                          {"dsc", true},
                                          {"csc", true}}};

// What names the file format rather than the picture: "Exif JPEG", "Exif_JPEG_PICTURE", "EXIF_JPEG_422".
constexpr std::string_view kFormatName = "exif jpeg";
constexpr size_t kMaxMakerWords = 2;

bool isSpace(char c)
{
    return c == ' ' || c == '_' || c == '\0' || c == '\t';
}

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !isSpace(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string lowered(const std::vector<std::string_view>& words, size_t from, size_t to)
{
    std::string joined;
    for (size_t i = from; i < to; ++i) {
        if (!joined.empty())
            joined += ' ';
        for (const char c : words[i])
            joined += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return joined;
}

// Makers write their names in capitals ("SANYO", "KONICA MINOLTA"); a word with a small letter is the user's.
bool isMakerName(std::string_view word)
{
    const bool hasLetter = std::any_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return hasLetter && std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool endsWithPhrase(const std::vector<std::string_view>& words, const Phrase& phrase)
{
    const size_t length = wordsOf(phrase.words).size();
    if (words.size() < length)
        return false;
    const size_t makerWords = words.size() - length;
    if (makerWords > kMaxMakerWords || (phrase.needsMaker && makerWords == 0))
        return false;
    return lowered(words, makerWords, words.size()) == phrase.words &&
           std::all_of(words.begin(), words.begin() + makerWords, isMakerName);
}

bool namesTheFormat(const std::vector<std::string_view>& words)
{
    return (words.size() == 2 || words.size() == 3) && lowered(words, 0, 2) == kFormatName;
}

}

bool isCameraPlaceholder(std::string_view text)
{
    const std::vector<std::string_view> words = wordsOf(text);
    if (words.empty())
        return false;
    return namesTheFormat(words) || std::any_of(kPhrases.begin(), kPhrases.end(),
                                                [&](const Phrase& phrase) { return endsWithPhrase(words, phrase); });
}

}
