// The caption fields of a JPEG XL file: ImageDescription in the Exif box (a 4-byte offset to the TIFF-structured
// block, then the block) and dc:description (x-default) in the XMP box, plain or compressed.
#pragma once

#include "commentlib/fields/caption_fields.h"
#include "commentlib/fields/caption_write.h"
#include "commentlib/jxl/jxl_layout.h"

#include <optional>

namespace corvane::jxl {

// `file` holds the payloads parseLayout read.
StoredCaptions storedCaptions(ByteView file, const Layout& layout);

// What becomes of one metadata box's payload.
struct NewPayload {
    bool changed = false;
    Bytes payload;          // when changed; empty when the box goes
    bool refused = false;   // a caption that can be neither replaced nor removed
    bool holdsText = false; // the payload carries the text written
};

// A field of a file that rebuilds a JPEG: its payload keeps the length the JPEG recorded, and a missing one is
// not added, since the rebuilt JPEG would not carry it.
struct FixedLength {
    bool fixed = false;
    size_t length = 0;
};

// `old` is the payload as read, absent when `present` is false; one is made for a text.
NewPayload exifPayload(ByteView old, bool present, FixedLength fixed, CaptionWrite& write);
NewPayload xmpPayload(ByteView old, bool present, FixedLength fixed, CaptionWrite& write);

}
