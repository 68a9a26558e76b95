// dc:description (its x-default language) in an XMP packet. A change edits the packet's text where the
// description stands and keeps every other byte, padding included; exiv2's XMP parser checks the result, and
// writes the packet anew only where the text has a shape that edit does not know. Nothing else of a file
// ever reaches exiv2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

// Empty when the packet has no x-default description; nothing when it cannot be parsed.
std::optional<std::string> descriptionOf(std::string_view packet);
// The packet with `text` as its x-default description (an empty text removes it), every other property and
// language kept; an empty packet gives a new one. An empty result means no property is left, so the packet
// can go. Nothing when the packet cannot be parsed, or the text cannot be written so that it reads back the
// same.
std::optional<std::string> withDescription(std::string_view packet, std::string_view text);

// The GUID a JPEG's main packet names its extended XMP by (xmpNote:HasExtendedXMP); empty when none.
std::string extensionGuidOf(std::string_view packet);
// The packet naming the extension `guid`, or none when `guid` is empty; nothing when that cannot be written.
std::optional<std::string> withExtensionGuid(std::string_view packet, std::string_view guid);

}
