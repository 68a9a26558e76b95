// Reading the captions of the metadata items and making their new payloads. An Exif payload keeps whatever a
// writer put between the offset field and the TIFF header; a new one carries "Exif\0\0" there, as cameras write
// it. An XMP packet left without properties becomes an empty packet rather than an empty item.
#include "commentlib/isobmff/isobmff_metadata.h"

#include "commentlib/fields/exif_caption_write.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/xmp_packet.h"

namespace corvane::isobmff {

namespace {

constexpr std::string_view kExifHeader{"Exif\0\0", 6};

// The bytes before the TIFF header: the offset field and what it skips; nothing when it points past the payload.
std::optional<size_t> headerLength(ByteView payload)
{
    const auto offset = readU32(payload, 0, Endian::Big);
    if (!offset || *offset > payload.size() - 4)
        return std::nullopt;
    return size_t(*offset) + 4;
}

ByteView blockOf(ByteView payload)
{
    const auto header = headerLength(payload);
    return header ? payload.subspan(*header) : ByteView{};
}

NewPayload changedTo(ByteView old, Bytes payload)
{
    if (std::equal(old.begin(), old.end(), payload.begin(), payload.end()))
        return {};
    return {true, std::move(payload)};
}

NewPayload editedExif(ByteView payload, CaptionWrite& write)
{
    const ByteView block = blockOf(payload);
    const exif::BlockEdit edit = exif::editedBlock(block, write);
    if (edit.outcome != exif::BlockEdit::Outcome::Edited)
        return {false, {}, edit.outcome == exif::BlockEdit::Outcome::Refused};
    Bytes edited(payload.begin(), payload.end() - ptrdiff_t(block.size()));
    edited.insert(edited.end(), edit.block.begin(), edit.block.end());
    return changedTo(payload, std::move(edited));
}

}

StoredCaptions storedCaptions(const Layout& layout)
{
    StoredCaptions stored;
    if (!layout.exif.empty()) {
        const ByteView block = blockOf(layout.exif.front().data);
        if (const auto directory = exif::parseFirstDirectory(block))
            stored.imageDescription = exif::descriptionOf(block, *directory);
    }
    if (!layout.xmp.empty())
        stored.xmpPacket = asText(layout.xmp.front().data);
    return stored;
}

NewPayload exifPayload(const MetadataItem* item, CaptionWrite& write)
{
    if (item)
        return editedExif(item->data, write);
    if (write.text().empty())
        return {};
    const Bytes block = exif::newBlock(write.text(), exif::Resolution{});
    if (block.size() > exif::kMaxBlock) {
        write.fieldLeftOut();
        return {};
    }
    Bytes payload;
    appendU32(payload, uint32_t(kExifHeader.size()), Endian::Big);
    appendText(payload, kExifHeader);
    payload.insert(payload.end(), block.begin(), block.end());
    return {true, std::move(payload)};
}

NewPayload xmpPayload(const MetadataItem* item, CaptionWrite& write)
{
    const ByteView old = item ? ByteView(item->data) : ByteView{};
    const auto current = xmp::descriptionOf(asText(old));
    if (!current) {
        write.packetUnreadable();
        return {};
    }
    if (*current == write.text())
        return {};
    const auto changed = write.into([&](std::string_view text) { return xmp::withDescription(asText(old), text); });
    if (!changed)
        return {};
    const std::string_view packet = changed->empty() ? xmp::kEmptyPacket : std::string_view(*changed);
    return changedTo(old, Bytes(packet.begin(), packet.end()));
}

}
