// The caption fields of a HEIF or AVIF file: ImageDescription in the Exif item (its payload starts with the
// 4-byte big-endian offset of the TIFF header) and dc:description (x-default) in the XMP item's packet.
#pragma once

#include "commentlib/fields/caption_fields.h"
#include "commentlib/fields/caption_write.h"
#include "commentlib/isobmff/isobmff_layout.h"

namespace corvane::isobmff {

StoredCaptions storedCaptions(const Layout& layout);

// What becomes of one metadata item's payload. An item is never left empty: an erase keeps what else it holds.
struct NewPayload {
    bool changed = false;
    Bytes payload;
    bool refused = false; // a caption that can be neither replaced nor removed
};

// `item` is null when the file has none; one is made for a text.
NewPayload exifPayload(const MetadataItem* item, CaptionWrite& write);
NewPayload xmpPayload(const MetadataItem* item, CaptionWrite& write);

}
