// Reading a WebP's captions and making its new EXIF and XMP payloads. An EXIF payload keeps the header a writer put
// before its block; an erase that leaves the block holding nothing drops the chunk, and a new block is made only for a
// text.
#include "commentlib/webp/webp_metadata.h"

#include "commentlib/fields/exif_caption_write.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/xmp_packet.h"

namespace corvane::webp {

namespace {

// Some writers keep the header a JPEG's EXIF segment has in front of the block.
constexpr std::string_view kExifHeader{"Exif\0\0", 6};

ByteView payloadOf(ByteView file, const Chunk* chunk)
{
    return chunk ? file.subspan(chunk->payload(), chunk->size) : ByteView{};
}

size_t headerLength(ByteView payload)
{
    return startsWith(payload, kExifHeader) ? kExifHeader.size() : 0;
}

NewPayload changedTo(ByteView old, Bytes payload)
{
    if (std::equal(old.begin(), old.end(), payload.begin(), payload.end()))
        return {};
    return {true, std::move(payload)};
}

NewPayload editedExif(ByteView payload, CaptionWrite& write)
{
    const size_t header = headerLength(payload);
    const exif::BlockEdit edit = exif::editedBlock(payload.subspan(header), write);
    if (edit.outcome != exif::BlockEdit::Outcome::Edited)
        return {false, {}, edit.outcome == exif::BlockEdit::Outcome::Refused};
    if (write.text().empty() && exif::holdsNothing(edit.block, exif::Resolution{}))
        return {true, {}};
    Bytes edited(payload.begin(), payload.begin() + ptrdiff_t(header));
    edited.insert(edited.end(), edit.block.begin(), edit.block.end());
    return changedTo(payload, std::move(edited));
}

}

StoredCaptions storedCaptions(ByteView file, const Layout& layout)
{
    StoredCaptions stored;
    const ByteView exifPayload = payloadOf(file, layout.first(kExif));
    const ByteView block = exifPayload.subspan(headerLength(exifPayload));
    if (const auto directory = exif::parseFirstDirectory(block))
        stored.imageDescription = exif::descriptionOf(block, *directory);
    stored.xmpPacket = asText(payloadOf(file, layout.first(kXmp)));
    return stored;
}

NewPayload exifPayload(ByteView file, const Chunk* chunk, CaptionWrite& write)
{
    if (chunk)
        return editedExif(payloadOf(file, chunk), write);
    if (write.text().empty())
        return {};
    Bytes block = exif::newBlock(write.text(), exif::Resolution{});
    if (block.size() <= exif::kMaxBlock) {
        write.fieldHoldsText();
        return {true, std::move(block)};
    }
    write.fieldLeftOut();
    return {};
}

NewPayload xmpPayload(ByteView file, const Chunk* chunk, CaptionWrite& write)
{
    const std::string_view packet = asText(payloadOf(file, chunk));
    const auto current = xmp::descriptionOf(packet);
    if (!current) {
        write.packetUnreadable();
        return {};
    }
    if (*current == write.text()) {
        write.fieldHoldsText();
        return {};
    }
    const auto changed = write.into([&](std::string_view text) { return xmp::withDescription(packet, text); });
    if (!changed)
        return {};
    return changedTo(payloadOf(file, chunk), Bytes(changed->begin(), changed->end()));
}

}
