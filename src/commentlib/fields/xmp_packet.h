// dc:description (its x-default language) in an XMP packet. A change edits the packet's text where the
// description stands and keeps every other byte, padding included; exiv2's XMP parser checks the result, and
// writes the packet anew only where the text has a shape that edit does not know. Nothing else of a file
// ever reaches exiv2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

// A packet without properties: what a new packet starts from.
inline constexpr std::string_view kEmptyPacket =
    "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <rdf:Description rdf:about=\"\"/>\n"
    " </rdf:RDF>\n"
    "</x:xmpmeta>\n"
    "<?xpacket end=\"w\"?>";

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
