// Planning a WebP write: the EXIF and XMP chunks are replaced, removed or added (a new EXIF before an existing XMP,
// anything else new at the end), the VP8X flags set to match and the RIFF size corrected. A file with two EXIF or two
// XMP chunks is refused.
#include "commentlib/webp/webp_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/replacement_list.h"
#include "commentlib/webp/webp_canvas.h"
#include "commentlib/webp/webp_layout.h"
#include "commentlib/webp/webp_metadata.h"

#include <limits>

namespace corvane::webp {

namespace {

Bytes chunkOf(std::string_view name, const Bytes& payload)
{
    Bytes chunk;
    appendText(chunk, name);
    appendU32(chunk, uint32_t(payload.size()), Endian::Little);
    chunk.insert(chunk.end(), payload.begin(), payload.end());
    if (payload.size() % 2 != 0)
        chunk.push_back(0);
    return chunk;
}

bool presentAfter(const Chunk* old, const NewPayload& edit)
{
    return edit.changed ? !edit.payload.empty() : old != nullptr;
}

// The chunk replaced, removed, or made at `newAt`.
void placeChunk(std::vector<Replacement>& edits, std::string_view name, const Chunk* old, const NewPayload& edit,
                uint64_t newAt)
{
    if (!edit.changed)
        return;
    const Bytes chunk = edit.payload.empty() ? Bytes{} : chunkOf(name, edit.payload);
    if (old)
        edits.push_back({old->offset, old->end() - old->offset, chunk});
    else
        edits.push_back({newAt, 0, chunk});
}

// VP8X's flags told which metadata chunks the file holds after the edit, or a VP8X made for a simple file
// that gains one. False when a simple file's bitstream does not tell its size.
bool planHeader(ByteView file, const Layout& layout, uint8_t flags, std::vector<Replacement>& edits)
{
    const Chunk& first = layout.chunks.front();
    if (first.name == kExtended) {
        const uint8_t old = file[first.payload()];
        const uint8_t now = uint8_t((old & ~(kExifFlag | kXmpFlag)) | flags);
        if (now != old)
            edits.push_back({first.payload(), 1, {now}});
        return true;
    }
    if (flags == 0)
        return true;
    const auto header = extendedHeader(first.name, file.subspan(first.payload(), first.size), flags);
    if (header)
        edits.push_back({kFirstChunk, 0, *header});
    return header.has_value();
}

int64_t growthOf(const std::vector<Replacement>& edits)
{
    int64_t growth = 0;
    for (const Replacement& edit : edits)
        growth += int64_t(edit.inserted.size()) - int64_t(edit.removedLength);
    return growth;
}

PlanResult planFor(ByteView file, uint64_t fileSize, const Layout& layout, std::string_view text)
{
    // Which of two EXIF or XMP chunks a reader takes is not settled: neither is edited.
    if (layout.count(kExif) > 1 || layout.count(kXmp) > 1)
        return planFailure(CORVANE_E_UNSUPPORTED);
    CaptionWrite write(text);
    const Chunk* exif = layout.first(kExif);
    const Chunk* xmp = layout.first(kXmp);
    const NewPayload newExif = exifPayload(file, exif, write);
    if (newExif.refused)
        return planFailure(CORVANE_E_UNSUPPORTED);
    const NewPayload newXmp = xmpPayload(file, xmp, write);
    if (write.lostEverywhere())
        return planFailure(CORVANE_E_UNSUPPORTED);
    std::vector<Replacement> edits;
    placeChunk(edits, kExif, exif, newExif, xmp ? xmp->offset : layout.riffEnd);
    placeChunk(edits, kXmp, xmp, newXmp, layout.riffEnd);
    if (edits.empty())
        return {CORVANE_OK, EditPlan(fileSize), write.notice()};
    const uint8_t flags =
        uint8_t((presentAfter(exif, newExif) ? kExifFlag : 0) | (presentAfter(xmp, newXmp) ? kXmpFlag : 0));
    if (!planHeader(file, layout, flags, edits))
        return planFailure(CORVANE_E_DAMAGED);
    const int64_t riffSize = int64_t(layout.riffEnd - 8) + growthOf(edits);
    if (riffSize > int64_t(std::numeric_limits<uint32_t>::max()))
        return planFailure(CORVANE_E_TOO_LARGE);
    Bytes size;
    appendU32(size, uint32_t(riffSize), Endian::Little);
    edits.push_back({4, 4, size});
    return {CORVANE_OK, planOf(fileSize, std::move(edits)), write.notice()};
}

}

ReadResult readComment(SourceFile& file)
{
    Layout layout;
    if (const int32_t status = parseLayout(file, layout); status != CORVANE_OK)
        return readFailure(status);
    return captionRead(captionFields(storedCaptions(file.whole(), layout)));
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    Layout layout;
    if (const int32_t status = parseLayout(file, layout); status != CORVANE_OK)
        return planFailure(status);
    return planFor(file.whole(), file.size(), layout, text);
}

}
