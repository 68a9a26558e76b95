// Reading and editing dc:description in a packet. An edit is kept only when parsing the result gives the old properties
// with just the change asked for. The packet's text is edited first; written anew only where that fails, it is held to
// the new description alone.
#include "commentlib/fields/xmp_packet.h"

#include "commentlib/fields/xmp_padding.h"
#include "commentlib/fields/xmp_prefixes.h"
#include "commentlib/fields/xmp_properties.h"
#include "commentlib/fields/xmp_text_edit.h"

#include <exiv2/error.hpp>
#include <exiv2/properties.hpp>
#include <exiv2/value.hpp>
#include <exiv2/xmp_exiv2.hpp>

namespace corvane::xmp {

namespace {

constexpr const char* kDescriptionKey = "Xmp.dc.description";
constexpr const char* kGuidKey = "Xmp.xmpNote.HasExtendedXMP";
constexpr const char* kDefaultLanguage = "x-default";

// `edited` when exiv2 reads in it exactly the `expected` properties; empty when it holds none.
std::optional<std::string> checked(std::string edited, const Properties& expected)
{
    const auto data = parsed(edited);
    if (!data || propertiesOf(*data) != expected)
        return std::nullopt;
    return data->empty() ? std::string() : edited;
}

// The packet written anew by exiv2, for a shape the textual edit does not know. exiv2 rewrites the whole
// text, so only the description is checked.
std::optional<std::string> reserialized(Exiv2::XmpData data, std::string_view text)
{
    try {
        setDefaultDescription(data, text);
        if (data.empty())
            return std::string();
        std::string written;
        restoreOwnPrefixes();
        if (Exiv2::XmpParser::encode(written, data, Exiv2::XmpParser::useCompactFormat) != 0)
            return std::nullopt;
        // A text XML cannot carry (most control characters) would leave a packet no reader can parse.
        if (descriptionOf(written) != std::optional<std::string>(text))
            return std::nullopt;
        return written;
    } catch (const Exiv2::AnyError&) {
        return std::nullopt;
    }
}

}

std::optional<std::string> descriptionOf(std::string_view packet)
{
    const auto data = parsed(packet);
    if (!data)
        return std::nullopt;
    const auto found = data->findKey(Exiv2::XmpKey(kDescriptionKey));
    if (found == data->end())
        return std::string();
    const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&found->value());
    if (!alternatives)
        return found->value().toString();
    // Other languages are translations; the caption is the default one.
    const auto preferred = alternatives->value_.find(kDefaultLanguage);
    return preferred == alternatives->value_.end() ? std::string() : preferred->second;
}

std::optional<std::string> withDescription(std::string_view packet, std::string_view text)
{
    const auto data = parsed(packet);
    if (!data)
        return std::nullopt;
    Properties expected = propertiesOf(*data);
    expected.erase(kDescriptionKey);
    expected.erase(languageKey(kDescriptionKey, kDefaultLanguage));
    if (!text.empty())
        expected[languageKey(kDescriptionKey, kDefaultLanguage)] = std::string(text);
    if (const auto edited = editedDescription(packet.empty() ? kEmptyPacket : packet, text))
        if (auto result = checked(withPaddingFor(*edited, packet.size()), expected))
            return result;
    return reserialized(*data, text);
}

std::string extensionGuidOf(std::string_view packet)
{
    const auto data = parsed(packet);
    if (!data)
        return {};
    try {
        const auto found = data->findKey(Exiv2::XmpKey(kGuidKey));
        return found == data->end() ? std::string() : found->value().toString();
    } catch (const Exiv2::AnyError&) {
        return {};
    }
}

std::optional<std::string> withExtensionGuid(std::string_view packet, std::string_view guid)
{
    const auto data = parsed(packet);
    if (!data)
        return std::nullopt;
    Properties expected = propertiesOf(*data);
    expected.erase(kGuidKey);
    if (!guid.empty())
        expected[kGuidKey] = std::to_string(Exiv2::xmpText) + ':' + std::string(guid) + '\n';
    const auto edited = editedSimpleProperty(packet, kNoteNamespace, "HasExtendedXMP", guid);
    return edited ? checked(withPaddingFor(*edited, packet.size()), expected) : std::nullopt;
}

}
