// An XMP packet as exiv2 reads it: parsed (never one that binds our prefixes to other namespaces) and flattened
// into its properties, so an edit of one property can be checked to leave every other as it was.
#pragma once

#include <exiv2/xmp_exiv2.hpp>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

// Nothing when exiv2 cannot parse it, or when it binds one of our prefixes to another namespace (exiv2 would
// take its property for ours).
std::optional<Exiv2::XmpData> parsed(std::string_view packet);

// Every property as exiv2 reads it, each language of a language alternative on its own, each value with its
// type.
using Properties = std::map<std::string, std::string>;
Properties propertiesOf(const Exiv2::XmpData& data);
// The key of one language of a language alternative in Properties.
std::string languageKey(const std::string& key, const std::string& language);

// Makes `text` dc:description's x-default alternative, keeping its other languages; an empty text removes it,
// and the property with it when no other language is left. Throws what exiv2 throws.
void setDefaultDescription(Exiv2::XmpData& data, std::string_view text);

// The namespace URI of a property's prefix as exiv2 registered it; empty when it knows none.
std::string namespaceOf(const Exiv2::Xmpdatum& datum);

}
