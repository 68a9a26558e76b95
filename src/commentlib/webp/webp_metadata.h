// The caption fields of a WebP: ImageDescription in the EXIF chunk (a TIFF-structured block, after an
// "Exif\0\0" header where a writer put one) and dc:description (x-default) in the XMP chunk's packet.
#pragma once

#include "commentlib/fields/caption_fields.h"
#include "commentlib/fields/caption_write.h"
#include "commentlib/webp/webp_layout.h"

namespace corvane::webp {

// `file` holds the payloads parseLayout read.
StoredCaptions storedCaptions(ByteView file, const Layout& layout);

// What becomes of one metadata chunk's payload.
struct NewPayload {
    bool changed = false;
    Bytes payload;        // when changed; empty when the chunk goes
    bool refused = false; // a caption that can be neither replaced nor removed
};

// `chunk` is null when the file has none; one is made for a text.
NewPayload exifPayload(ByteView file, const Chunk* chunk, CaptionWrite& write);
NewPayload xmpPayload(ByteView file, const Chunk* chunk, CaptionWrite& write);

}
