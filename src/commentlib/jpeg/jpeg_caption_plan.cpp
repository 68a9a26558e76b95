// Planning the caption edits of a JPEG's EXIF, XMP and IPTC segments: an EXIF block carried on in the next segment
// keeps its size, a new XMP segment goes right after the EXIF one, and each resource run holding IPTC is rewritten in
// no more segments than it had. An EXIF caption that can be neither replaced nor removed refuses the whole write.
#include "commentlib/jpeg/jpeg_caption_plan.h"

#include "commentlib/fields/camera_placeholder.h"
#include "commentlib/fields/caption_text.h"
#include "commentlib/fields/caption_write.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/exif_description_edit.h"
#include "commentlib/fields/iptc_caption.h"
#include "commentlib/fields/xmp_packet.h"
#include "commentlib/jpeg/jfif_resolution.h"
#include "commentlib/jpeg/jpeg_xmp_extension_edit.h"
#include "commentlib/replacement_list.h"

#include <algorithm>

namespace corvane::jpeg {

namespace {

constexpr size_t kMaxPayload = 65533; // the length field (at most 0xFFFF) counts its own two bytes
constexpr uint8_t kApp1 = 0xE1, kApp13 = 0xED;

ByteView bodyOf(ByteView file, const MetadataSegment& segment)
{
    return file.subspan(segment.body.offset, segment.body.length);
}

std::optional<Bytes> segment(uint8_t marker, std::string_view identifier, ByteView body)
{
    if (identifier.size() + body.size() > kMaxPayload)
        return std::nullopt;
    Bytes out{0xFF, marker};
    appendU16(out, uint16_t(identifier.size() + body.size() + 2), Endian::Big);
    appendText(out, identifier);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// The resource list in APP13 segments, split where one would outgrow 64 KB as readers join adjacent ones;
// nothing when it needs more than `maxSegments`.
std::optional<Bytes> resourceSegments(ByteView list, size_t maxSegments)
{
    const size_t perSegment = kMaxPayload - kResourcesIdentifier.size();
    if ((list.size() + perSegment - 1) / perSegment > maxSegments)
        return std::nullopt;
    Bytes out;
    for (size_t at = 0; at < list.size(); at += perSegment) {
        const Bytes part =
            *segment(kApp13, kResourcesIdentifier, list.subspan(at, std::min(perSegment, list.size() - at)));
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

ByteView asBytes(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The segment for the packet with `text` as its description; empty when no property is left, nothing when
// the packet cannot be parsed or the segment would be too large.
std::optional<Bytes> xmpSegment(std::string_view packet, std::string_view text)
{
    const auto changed = xmp::withDescription(packet, text);
    if (!changed)
        return std::nullopt;
    return changed->empty() ? Bytes{} : segment(kApp1, kXmpIdentifier, asBytes(*changed));
}

bool holdsCaption(std::string_view description)
{
    return !isBlankCaption(description) && !isCameraPlaceholder(description);
}

class Planner {
public:
    Planner(ByteView file, const Layout& layout, std::string_view text)
        : file_(file), layout_(layout), text_(text), write_(text)
    {
    }

    CaptionEdits run()
    {
        planExif();
        planXmp();
        planIptc();
        sortEdits();
        result_.notice = write_.notice();
        return std::move(result_);
    }

private:
    void planExif()
    {
        const auto& existing = layout_.metadata.exif;
        const exif::Resolution resolution = jfifResolution(file_);
        if (!existing) {
            if (text_.empty())
                return;
            const auto created = segment(kApp1, kExifIdentifier, exif::newBlock(text_, resolution));
            return created ? insert(layout_.metadata.newSegmentsAt, *created) : write_.fieldLeftOut();
        }
        const ByteView block = bodyOf(file_, *existing);
        const auto directory = exif::parseFirstDirectory(block);
        if (!directory)
            return write_.fieldLeftOut();
        if (text_.empty() && !directory->descriptionEntry)
            return;
        // A block that goes on in the next segment keeps its size, or the offsets into that segment would move.
        const bool continued = continuesInNextSegment(*existing);
        const auto keepingSize = [&](std::optional<Bytes> changed) {
            return changed && continued && changed->size() != block.size() ? std::nullopt : changed;
        };
        const auto holdsNothing = [&](const Bytes& changed) {
            return !continued && exif::holdsNothing(changed, resolution);
        };
        const auto segmentWith = [&](std::string_view text) -> std::optional<Bytes> {
            const std::optional<Bytes> erased = keepingSize(exif::withDescription(block, *directory, {}));
            // A block that holds nothing but a caption is made anew, as if erased and then written.
            std::optional<Bytes> changed = erased;
            if (!text.empty())
                changed = erased && holdsNothing(*erased) ? exif::newBlock(text, resolution)
                                                          : keepingSize(exif::withDescription(block, *directory, text));
            if (!changed)
                return std::nullopt;
            return holdsNothing(*changed) ? Bytes{} : segment(kApp1, kExifIdentifier, *changed);
        };
        const std::optional<Bytes> rewritten = write_.into(segmentWith);
        if (rewritten)
            return replace(existing->whole, *rewritten);
        // A caption that can be neither replaced nor removed would outlive the new text in the field read first.
        if (holdsCaption(exif::descriptionOf(block, *directory)))
            result_.refusal = CORVANE_E_UNSUPPORTED;
    }

    bool continuesInNextSegment(const MetadataSegment& exifSegment) const
    {
        return continuationAt(exifSegment.whole.offset + exifSegment.whole.length) != 0;
    }

    // The length of the segment at `offset` when it carries on the EXIF block before it: an APP1 "Exif"
    // segment without a TIFF header of its own, which readers append to the one before; else 0.
    uint64_t continuationAt(uint64_t offset) const
    {
        const ByteView next = file_.subspan(std::min<size_t>(file_.size(), offset));
        const auto length = readU16(next, 2, Endian::Big);
        if (!length || next[0] != 0xFF || next[1] != kApp1 || !startsWith(next.subspan(4), kExifIdentifier))
            return 0;
        const ByteView header = next.subspan(4 + kExifIdentifier.size());
        const bool ownHeader = startsWith(header, {"MM\0*", 4}) || startsWith(header, {"II*\0", 4});
        return ownHeader ? 0 : 2 + uint64_t(*length);
    }

    // Where the EXIF block ends, with the segments that carry it on.
    uint64_t endOfExif(const MetadataSegment& exifSegment) const
    {
        uint64_t end = exifSegment.whole.offset + exifSegment.whole.length;
        while (const uint64_t length = continuationAt(end))
            end += length;
        return end;
    }

    void planXmp()
    {
        const auto& existing = layout_.metadata.xmp;
        const std::string_view original = existing ? asText(bodyOf(file_, *existing)) : std::string_view();
        const auto current = xmp::descriptionOf(original);
        if (!current)
            return write_.packetUnreadable();
        ExtensionEdit extension = extensionEdit(file_, layout_.metadata, original, text_);
        if (!extension.complete)
            write_.packetUnreadable();
        for (Replacement& edit : extension.edits)
            result_.edits.push_back(std::move(edit));
        const std::string& packet = extension.packet;
        if (*current == text_ && packet == original && (existing || text_.empty()))
            return;
        const auto rewritten = write_.into([&](std::string_view text) { return xmpSegment(packet, text); });
        if (existing)
            return replace(existing->whole, rewritten);
        if (!rewritten || rewritten->empty())
            return;
        // Beside the EXIF segment, where readers look for it.
        const auto& exifSegment = layout_.metadata.exif;
        insert(exifSegment ? endOfExif(*exifSegment) : layout_.metadata.newSegmentsAt, *rewritten);
    }

    // Every run of resource segments that holds IPTC: a reader may take any of them for the caption.
    void planIptc()
    {
        for (const ResourceRun& run : layout_.metadata.resourceRuns)
            planIptcRun(run);
    }

    void planIptcRun(const ResourceRun& run)
    {
        const Bytes list = joinedResources(file_, run);
        const auto resources = iptc::parseResources(list);
        const iptc::Resource* data = iptc::findResource(resources, iptc::kIptcResource);
        if (!data)
            return;
        const ByteView datasets = ByteView(list).subspan(data->data.offset, data->data.length);
        const auto segmentsWith = [&](const Bytes& changed) {
            return resourceSegments(iptc::resourcesWithIptc(list, resources, changed, changed), run.segments.size());
        };
        Bytes changed;
        const auto rewritten = write_.into([&](std::string_view text) {
            changed = iptc::datasetsWithCaption(datasets, text);
            return segmentsWith(changed);
        });
        if (rewritten && !std::equal(changed.begin(), changed.end(), datasets.begin(), datasets.end()))
            replace(run.whole(), *rewritten);
    }

    void insert(uint64_t offset, const Bytes& bytes) { result_.edits.push_back({offset, 0, bytes}); }

    void replace(SourceRange old, const std::optional<Bytes>& bytes)
    {
        if (!bytes)
            return write_.fieldLeftOut();
        result_.edits.push_back({old.offset, old.length, *bytes});
    }

    void sortEdits() { orderReplacements(result_.edits); }

    ByteView file_;
    const Layout& layout_;
    std::string_view text_;
    CaptionWrite write_;
    CaptionEdits result_;
};

}

CaptionEdits captionEdits(ByteView file, const Layout& layout, std::string_view text)
{
    return Planner(file, layout, text).run();
}

}
