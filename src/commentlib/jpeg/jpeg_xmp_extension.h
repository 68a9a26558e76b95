// Extended XMP in a JPEG: the part of the XMP that did not fit the main packet's segment, its serialized text
// split over APP1 segments ("http://ns.adobe.com/xmp/extension/"). Each starts with the GUID the main packet
// names the extension by (the MD5 of the whole text in upper-case hex), the text's length and the offset of
// the piece it carries.
#pragma once

#include "commentlib/bytes.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::jpeg {

inline constexpr std::string_view kXmpExtensionIdentifier{"http://ns.adobe.com/xmp/extension/\0", 35};

// The GUID of the piece in `body` (the segment's payload after the identifier); empty when too short to hold one.
std::string_view extensionGuidOf(ByteView body);
// The extension's text from the pieces of `bodies` that carry `guid`; nothing when they do not make it whole.
std::optional<std::string> assembledExtension(const std::vector<ByteView>& bodies, std::string_view guid);
// The GUID of an extension holding `text`.
std::string extensionGuid(std::string_view text);
// The payloads (after the identifier) that carry `text` as the extension named `guid`, each fitting a segment.
std::vector<Bytes> extensionBodies(std::string_view text, std::string_view guid);

}
