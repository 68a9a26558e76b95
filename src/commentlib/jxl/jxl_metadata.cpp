// Reading a JPEG XL file's captions and making its new Exif and XMP payloads. An Exif payload keeps its offset and
// whatever lies between it and the block; an erase that leaves a box holding nothing drops it, unless the box must
// keep its length, when the block is padded with zeros and the packet with spaces.
#include "commentlib/jxl/jxl_metadata.h"

#include "commentlib/fields/camera_placeholder.h"
#include "commentlib/fields/caption_text.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/exif_description_edit.h"
#include "commentlib/fields/xmp_packet.h"
#include "commentlib/fields/xmp_padding.h"

namespace corvane::jxl {

namespace {

constexpr size_t kOffsetSize = 4;

// Where the TIFF-structured block starts in an Exif payload; nothing when its offset points past it.
std::optional<size_t> blockStart(ByteView payload)
{
    const auto offset = readU32(payload, 0, Endian::Big);
    if (!offset || !fits(payload.size(), kOffsetSize, *offset))
        return std::nullopt;
    return kOffsetSize + *offset;
}

NewPayload changedTo(ByteView old, Bytes payload, bool holdsText)
{
    if (std::equal(old.begin(), old.end(), payload.begin(), payload.end()))
        return {false, {}, false, holdsText};
    return {true, std::move(payload), false, holdsText};
}

// `edited` brought to the fixed length; nothing when it is longer.
std::optional<Bytes> fitted(Bytes edited, FixedLength fixed)
{
    if (!fixed.fixed)
        return edited;
    if (edited.size() > fixed.length)
        return std::nullopt;
    edited.resize(fixed.length, 0);
    return edited;
}

NewPayload editedExif(ByteView payload, FixedLength fixed, CaptionWrite& write)
{
    const auto start = blockStart(payload);
    const ByteView block = payload.subspan(start.value_or(payload.size()));
    const auto directory = exif::parseFirstDirectory(block);
    if (!start || !directory) {
        write.fieldLeftOut();
        return {};
    }
    if (write.text().empty() && !directory->descriptionEntry)
        return {};
    bool holdsText = false;
    const auto changed = write.into([&](std::string_view text) -> std::optional<Bytes> {
        const auto edited = exif::withDescription(block, *directory, text);
        if (!edited)
            return std::nullopt;
        Bytes whole(payload.begin(), payload.begin() + ptrdiff_t(*start));
        whole.insert(whole.end(), edited->begin(), edited->end());
        auto result = fitted(std::move(whole), fixed);
        holdsText = result && !text.empty();
        return result;
    });
    if (!changed) {
        const std::string_view old = exif::descriptionOf(block, *directory);
        return {false, {}, !isBlankCaption(old) && !isCameraPlaceholder(old)};
    }
    const ByteView newBlock = ByteView(*changed).subspan(*start);
    if (write.text().empty() && !fixed.fixed && exif::holdsNothing(newBlock, exif::Resolution{}))
        return {true, {}};
    return changedTo(payload, *changed, holdsText);
}

std::optional<std::string> fittedPacket(std::string edited, FixedLength fixed)
{
    if (!fixed.fixed)
        return edited;
    const std::string padded =
        xmp::withPaddingFor(edited.empty() ? std::string(xmp::kEmptyPacket) : edited, fixed.length);
    return padded.size() == fixed.length ? std::optional<std::string>(padded) : std::nullopt;
}

}

StoredCaptions storedCaptions(ByteView file, const Layout& layout)
{
    StoredCaptions stored;
    const ByteView exifPayload = payloadOf(file, layout.firstHolding(kExif));
    if (const auto start = blockStart(exifPayload)) {
        const ByteView block = exifPayload.subspan(*start);
        if (const auto directory = exif::parseFirstDirectory(block))
            stored.imageDescription = exif::descriptionOf(block, *directory);
    }
    stored.xmpPacket = asText(payloadOf(file, layout.firstHolding(kXmp)));
    return stored;
}

NewPayload exifPayload(ByteView old, bool present, FixedLength fixed, CaptionWrite& write)
{
    if (present)
        return editedExif(old, fixed, write);
    if (write.text().empty())
        return {};
    Bytes payload(kOffsetSize, 0);
    const Bytes block = exif::newBlock(write.text(), exif::Resolution{});
    payload.insert(payload.end(), block.begin(), block.end());
    if (!fixed.fixed && block.size() <= exif::kMaxBlock)
        return {true, std::move(payload), false, true};
    write.fieldLeftOut();
    return {};
}

NewPayload xmpPayload(ByteView old, bool present, FixedLength fixed, CaptionWrite& write)
{
    const std::string_view packet = asText(old);
    const auto current = xmp::descriptionOf(packet);
    if (!current) {
        write.packetUnreadable();
        return {};
    }
    if (*current == write.text())
        return {false, {}, false, present && !current->empty()};
    if (!present && fixed.fixed) {
        write.fieldLeftOut();
        return {};
    }
    bool holdsText = false;
    const auto changed = write.into([&](std::string_view text) -> std::optional<std::string> {
        auto edited = xmp::withDescription(packet, text);
        auto result = edited ? fittedPacket(std::move(*edited), fixed) : std::nullopt;
        holdsText = result && !text.empty();
        return result;
    });
    if (!changed)
        return {false, {}, !current->empty()};
    return changedTo(old, Bytes(changed->begin(), changed->end()), holdsText);
}

}
