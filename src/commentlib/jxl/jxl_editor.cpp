// Planning a JPEG XL write: the Exif and XMP boxes are replaced, removed or added (new ones just before the
// codestream), and a bare codestream gets the signature, `ftyp` and a `jxlc` box around it. A file with two Exif or
// two XMP boxes is refused, and so is a text that no field can carry.
#include "commentlib/jxl/jxl_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/jxl/jxl_layout.h"
#include "commentlib/jxl/jxl_metadata.h"
#include "commentlib/replacement_list.h"

#include <limits>

namespace corvane::jxl {

namespace {

void appendHeader(Bytes& out, std::string_view type, uint64_t payloadSize)
{
    const uint64_t size = payloadSize + 8;
    if (size <= std::numeric_limits<uint32_t>::max()) {
        appendU32(out, uint32_t(size), Endian::Big);
        appendText(out, type);
        return;
    }
    appendU32(out, 1, Endian::Big);
    appendText(out, type);
    appendU32(out, uint32_t((size + 8) >> 32), Endian::Big);
    appendU32(out, uint32_t(size + 8), Endian::Big);
}

Bytes boxOf(std::string_view type, const Bytes& payload)
{
    Bytes box;
    appendHeader(box, type, payload.size());
    box.insert(box.end(), payload.begin(), payload.end());
    return box;
}

// The box replaced, removed, or made at `newAt`.
void placeBox(std::vector<Replacement>& edits, std::string_view type, const Box* old, const NewPayload& edit,
              uint64_t newAt)
{
    if (!edit.changed)
        return;
    const Bytes box = edit.payload.empty() ? Bytes{} : boxOf(type, edit.payload);
    if (old)
        edits.push_back({old->offset, old->end - old->offset, box});
    else
        edits.push_back({newAt, 0, box});
}

// A bare codestream of `fileSize` bytes put in a container with its new metadata boxes.
EditPlan wrappedCodestream(uint64_t fileSize, const NewPayload& exif, const NewPayload& xmp)
{
    Bytes front;
    appendText(front, kSignature);
    appendHeader(front, kFileType, 12);
    appendText(front, "jxl ");
    appendU32(front, 0, Endian::Big);
    appendText(front, "jxl ");
    for (const auto& [type, edit] : {std::pair{kExif, &exif}, std::pair{kXmp, &xmp}})
        if (edit->changed && !edit->payload.empty()) {
            const Bytes box = boxOf(type, edit->payload);
            front.insert(front.end(), box.begin(), box.end());
        }
    appendHeader(front, kCodestream, fileSize);
    return planOf(fileSize, {{0, 0, std::move(front)}});
}

// A file that rebuilds a JPEG keeps its metadata boxes at the length the JPEG recorded.
FixedLength fixedLengthOf(ByteView file, const Layout& layout, const Box* box)
{
    if (!layout.first(kReconstruction))
        return {};
    return {true, payloadOf(file, box).size()};
}

PlanResult planFor(ByteView file, uint64_t fileSize, const Layout& layout, std::string_view text)
{
    // Which of two Exif or XMP boxes a reader takes is not settled: neither is edited.
    if (layout.countHolding(kExif) > 1 || layout.countHolding(kXmp) > 1)
        return planFailure(CORVANE_E_UNSUPPORTED);
    CaptionWrite write(text);
    const Box* exif = layout.firstHolding(kExif);
    const Box* xmp = layout.firstHolding(kXmp);
    const NewPayload newExif =
        exifPayload(payloadOf(file, exif), exif != nullptr, fixedLengthOf(file, layout, exif), write);
    const NewPayload newXmp = xmpPayload(payloadOf(file, xmp), xmp != nullptr, fixedLengthOf(file, layout, xmp), write);
    if (newExif.refused || newXmp.refused || (!text.empty() && !newExif.holdsText && !newXmp.holdsText))
        return planFailure(CORVANE_E_UNSUPPORTED);
    if (!newExif.changed && !newXmp.changed)
        return {CORVANE_OK, EditPlan(fileSize), write.notice()};
    if (layout.bare)
        return {CORVANE_OK, wrappedCodestream(fileSize, newExif, newXmp), write.notice()};
    std::vector<Replacement> edits;
    placeBox(edits, kExif, exif, newExif, layout.codestreamStart());
    placeBox(edits, kXmp, xmp, newXmp, layout.codestreamStart());
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
