// dc:description (its x-default language) in an XMP packet. The packet's text is parsed and written by
// exiv2's XMP parser and serializer; nothing else of a file ever reaches exiv2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

// Empty when the packet has no description; nothing when it cannot be parsed.
std::optional<std::string> descriptionOf(std::string_view packet);
// The packet with `text` as its description (an empty text removes it), every other property kept; an empty
// packet gives a new one. An empty result means no property is left, so the packet can go. Nothing when the
// packet cannot be parsed, or the text cannot be written so that it reads back the same.
std::optional<std::string> withDescription(std::string_view packet, std::string_view text);

}
