// Edits of an XMP packet's text that change one property and leave every other byte where it stands: the
// description's x-default alternative (replaced, added or removed, its other languages kept) and a simple
// property's value. Each gives nothing when the packet has a shape it does not know (the property written as
// an attribute where a language alternative belongs, for instance); the caller then writes the packet anew.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

inline constexpr std::string_view kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
inline constexpr std::string_view kDublinCoreNamespace = "http://purl.org/dc/elements/1.1/";
inline constexpr std::string_view kNoteNamespace = "http://ns.adobe.com/xmp/note/";

// The packet with `text` as dc:description's x-default alternative; an empty text removes it, and the
// property with it when no other language is left.
std::optional<std::string> editedDescription(std::string_view packet, std::string_view text);
// The packet with `value` as the simple property's value; an empty value removes the property.
std::optional<std::string> editedSimpleProperty(std::string_view packet, std::string_view uri, std::string_view local,
                                                std::string_view value);
// The packet with a new simple property `value`, written as an element where the packet's other properties
// are, under the prefix the packet has for `uri` (else `preferredPrefix`, declared on the element); nothing
// when the packet has the property already.
std::optional<std::string> withAddedSimpleProperty(std::string_view packet, std::string_view uri,
                                                   std::string_view preferredPrefix, std::string_view local,
                                                   std::string_view value);
}
