// Planning a HEIF or AVIF write: the new Exif and XMP payloads are made, then placed by the item writer. A file
// with two Exif or two XMP items for its picture, or one whose bytes are not in the file itself, is refused:
// which one a reader takes is not settled, or its bytes cannot be rewritten where they are. So is a write after
// which the file would not read as the text.
#include "commentlib/isobmff/isobmff_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/isobmff/isobmff_item_write.h"
#include "commentlib/isobmff/isobmff_layout.h"
#include "commentlib/isobmff/isobmff_metadata.h"

namespace corvane::isobmff {

namespace {

const MetadataItem* onlyItem(const std::vector<MetadataItem>& items)
{
    return items.empty() ? nullptr : &items.front();
}

bool editable(const std::vector<MetadataItem>& items)
{
    return items.size() < 2 && (items.empty() || items.front().readable);
}

void addWrite(std::vector<ItemWrite>& writes, const MetadataItem* item, MetadataKind kind, NewPayload payload)
{
    if (!payload.changed)
        return;
    writes.push_back({item ? std::optional<uint32_t>(item->id) : std::nullopt, kind, std::move(payload.payload)});
}

// Whether the file, once written, reads as `text`: not when neither item can take it (an Exif block that
// cannot be walked beside a packet that cannot be parsed), and a write that changes nothing for the reader is
// refused rather than reported done.
bool readsBackAs(Layout layout, const std::vector<ItemWrite>& writes, std::string_view text)
{
    for (const ItemWrite& write : writes) {
        std::vector<MetadataItem>& items = write.kind == MetadataKind::Exif ? layout.exif : layout.xmp;
        if (items.empty())
            items.emplace_back();
        items.front().data = write.payload;
    }
    return captionRead(captionFields(storedCaptions(layout))).text == text;
}

PlanResult planFor(SourceFile& file, const Layout& layout, std::string_view text)
{
    const bool sharedItem = !layout.exif.empty() && !layout.xmp.empty() && layout.exif[0].id == layout.xmp[0].id;
    if (!editable(layout.exif) || !editable(layout.xmp) || sharedItem)
        return planFailure(CORVANE_E_UNSUPPORTED);
    CaptionWrite write(text);
    const MetadataItem* exif = onlyItem(layout.exif);
    const MetadataItem* xmp = onlyItem(layout.xmp);
    NewPayload newExif = exifPayload(exif, write);
    if (newExif.refused)
        return planFailure(CORVANE_E_UNSUPPORTED);
    std::vector<ItemWrite> writes;
    addWrite(writes, exif, MetadataKind::Exif, std::move(newExif));
    addWrite(writes, xmp, MetadataKind::Xmp, xmpPayload(xmp, write));
    if (!readsBackAs(layout, writes, text))
        return planFailure(CORVANE_E_UNSUPPORTED);
    if (writes.empty())
        return {CORVANE_OK, EditPlan(file.size()), write.notice()};
    std::vector<Replacement> edits;
    if (const int32_t status = planItemWrites(layout, file.whole(), file.size(), std::move(writes), edits);
        status != CORVANE_OK)
        return planFailure(status);
    return {CORVANE_OK, planOf(file.size(), std::move(edits)), write.notice()};
}

}

ReadResult readComment(SourceFile& file)
{
    Layout layout;
    if (const int32_t status = parseLayout(file, layout); status != CORVANE_OK)
        return readFailure(status);
    return captionRead(captionFields(storedCaptions(layout)));
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    Layout layout;
    if (const int32_t status = parseLayout(file, layout); status != CORVANE_OK)
        return planFailure(status);
    return planFor(file, layout, text);
}

}
