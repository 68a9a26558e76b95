// Parsing a packet into its properties. Every parse runs with the parser's own messages muted and our prefixes restored
// before and after it; a packet that rebinds them counts as unparsed. A language alternative flattens into one property
// per language.
#include "commentlib/fields/xmp_properties.h"

#include "commentlib/fields/xmp_prefixes.h"

#include <exiv2/error.hpp>
#include <exiv2/properties.hpp>
#include <exiv2/value.hpp>

#include <mutex>

namespace corvane::xmp {

namespace {

// exiv2 reports problems of a packet on standard error unless told not to; we report them ourselves.
void quietenParser()
{
    static std::once_flag once;
    std::call_once(once, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}

}

std::optional<Exiv2::XmpData> parsed(std::string_view packet)
{
    quietenParser();
    restoreOwnPrefixes();
    Exiv2::XmpData data;
    bool decoded = true;
    try {
        decoded = packet.empty() || Exiv2::XmpParser::decode(data, std::string(packet)) == 0;
    } catch (const Exiv2::AnyError&) {
        decoded = false;
    }
    const bool prefixesHeld = ownPrefixesHold();
    restoreOwnPrefixes();
    if (!decoded || !prefixesHeld)
        return std::nullopt;
    return data;
}

std::string languageKey(const std::string& key, const std::string& language)
{
    return key + "@" + language;
}

Properties propertiesOf(const Exiv2::XmpData& data)
{
    Properties properties;
    for (const Exiv2::Xmpdatum& datum : data) {
        if (const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&datum.value())) {
            for (const auto& [language, text] : alternatives->value_)
                properties[languageKey(datum.key(), language)] = text;
            continue;
        }
        properties[datum.key()] += std::to_string(datum.typeId()) + ':' + datum.value().toString() + '\n';
    }
    return properties;
}

std::string namespaceOf(const Exiv2::Xmpdatum& datum)
{
    try {
        return Exiv2::XmpProperties::ns(datum.groupName());
    } catch (const Exiv2::AnyError&) {
        return {};
    }
}

void setDefaultDescription(Exiv2::XmpData& data, std::string_view text)
{
    const char* const key = "Xmp.dc.description";
    const char* const defaultLanguage = "x-default";
    const auto found = data.findKey(Exiv2::XmpKey(key));
    Exiv2::LangAltValue value;
    if (found != data.end()) {
        if (const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&found->value()))
            value.value_ = alternatives->value_;
        data.erase(found);
    }
    if (text.empty())
        value.value_.erase(defaultLanguage);
    else
        value.value_[defaultLanguage] = std::string(text);
    if (!value.value_.empty())
        data.add(Exiv2::XmpKey(key), &value);
}

}
