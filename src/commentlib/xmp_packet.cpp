#include "commentlib/xmp_packet.h"

#include <exiv2/error.hpp>
#include <exiv2/properties.hpp>
#include <exiv2/value.hpp>
#include <exiv2/xmp_exiv2.hpp>

#include <mutex>

namespace corvane::xmp {

namespace {

constexpr const char* kDescriptionKey = "Xmp.dc.description";
constexpr const char* kDefaultLanguage = "x-default";

// exiv2 reports problems of a packet on standard error unless told not to; we report them ourselves.
void quietenParser()
{
    static std::once_flag once;
    std::call_once(once, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}

std::optional<Exiv2::XmpData> parsed(std::string_view packet)
{
    quietenParser();
    Exiv2::XmpData data;
    try {
        if (!packet.empty() && Exiv2::XmpParser::decode(data, std::string(packet)) != 0)
            return std::nullopt;
    } catch (const Exiv2::AnyError&) {
        return std::nullopt;
    }
    return data;
}

std::string defaultText(const Exiv2::Value& value)
{
    const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&value);
    if (!alternatives)
        return value.toString();
    const auto preferred = alternatives->value_.find(kDefaultLanguage);
    if (preferred != alternatives->value_.end())
        return preferred->second;
    return alternatives->value_.empty() ? std::string() : alternatives->value_.begin()->second;
}

}

std::optional<std::string> descriptionOf(std::string_view packet)
{
    const auto data = parsed(packet);
    if (!data)
        return std::nullopt;
    const auto found = data->findKey(Exiv2::XmpKey(kDescriptionKey));
    return found == data->end() ? std::string() : defaultText(found->value());
}

std::optional<std::string> withDescription(std::string_view packet, std::string_view text)
{
    auto data = parsed(packet);
    if (!data)
        return std::nullopt;
    try {
        const auto found = data->findKey(Exiv2::XmpKey(kDescriptionKey));
        if (found != data->end())
            data->erase(found);
        if (!text.empty()) {
            Exiv2::LangAltValue value;
            value.value_[kDefaultLanguage] = std::string(text);
            data->add(Exiv2::XmpKey(kDescriptionKey), &value);
        }
        std::string written;
        if (data->empty())
            return std::string();
        if (Exiv2::XmpParser::encode(written, *data, Exiv2::XmpParser::useCompactFormat) != 0)
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
