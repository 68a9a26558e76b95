// The text of an XMP sidecar file (NAME.EXT.xmp beside a picture): what it says about the picture, and the same
// text with another description. An edit changes the text where the description stands (and adds
// photoshop:SidecarForExtension where asked) and keeps every other byte: another program's properties (a raw
// developer's history, a photo manager's tags, ratings, the description's other languages) stay as they were,
// and exiv2 checks that each of them reads back the same. Sidecars the library creates carry a mark of their
// own (corvane:SidecarCreator in our namespace), so an erase can tell them from another program's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::xmp {

inline constexpr std::string_view kPhotoshopNamespace = "http://ns.adobe.com/photoshop/1.0/";
inline constexpr std::string_view kCorvaneNamespace = "https://www.corvane.org/ns/xmp/1.0/";

struct SidecarFacts {
    std::string description;       // dc:description's x-default; empty when it has none
    std::string forExtension;      // photoshop:SidecarForExtension; empty when it has none
    bool madeByUs = false;         // it carries our mark: the library created it
    bool holdsNothingElse = false; // no property but our mark and SidecarForExtension
};

// Nothing when the text cannot be parsed as XMP.
std::optional<SidecarFacts> sidecarFacts(std::string_view document);

// `document` with `text` as its description's x-default (an empty text removes it) and, when `extension` is
// not empty and the document records none, `extension` as its photoshop:SidecarForExtension. Nothing when it
// cannot be parsed, or cannot be changed so that every other property reads back as it was (a text with a
// control character XML cannot hold, for one).
std::optional<std::string> sidecarWith(std::string_view document, std::string_view text, std::string_view extension);

// A new sidecar file's text: our mark, the description `text` and, when not empty, `extension` as its
// photoshop:SidecarForExtension.
std::optional<std::string> newSidecar(std::string_view text, std::string_view extension);

}
