// The edit of a JPEG's extended XMP that goes with a new caption: a description held there that disagrees with
// the new text is removed, so no reader finds an old caption beside the new one or after an erase. The
// extension is written anew under the GUID of its new text, or goes whole with the main packet's pointer to
// it when nothing else is left in it.
#pragma once

#include "commentlib/jpeg/jpeg_metadata.h"

#include <string>
#include <string_view>

namespace corvane::jpeg {

struct ExtensionEdit {
    std::vector<Replacement> edits; // of the extension's segments, in file order
    std::string packet;             // the main packet, naming the extension as it now stands
    bool complete = true;           // false when the extension's description could not be removed
};

ExtensionEdit extensionEdit(ByteView file, const MetadataSegments& segments, std::string_view packet,
                            std::string_view text);

}
