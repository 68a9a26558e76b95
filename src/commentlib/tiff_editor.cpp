#include "tiff_editor.h"

#include "tiff_layout.h"
#include "tiff_metadata.h"

#include <algorithm>
#include <limits>

namespace corvane::tiff {

namespace {

bool isTextType(uint16_t type) { return type == kAscii || type == 1 || type == 7; }

void padToWord(Bytes& out, uint64_t base)
{
    if ((base + out.size()) % 2 != 0)
        out.push_back(0);
}

// Where the rewrite may start: the end of the file, or the start of a first IFD (and its description) that
// already ends the file and that nothing else refers to.
uint64_t reusableTail(const Layout& layout, uint64_t fileSize)
{
    if (layout.firstIfdEnd != fileSize)
        return fileSize;
    uint64_t cut = layout.firstIfd;
    if (const Entry* description = layout.description()) {
        const uint64_t valueEnd = description->value.offset + description->value.length;
        if (description->value.offset < cut && (valueEnd == cut || valueEnd + 1 == cut))
            cut = description->value.offset;
    }
    const bool referencedInTail = std::any_of(layout.referenced.begin(), layout.referenced.end(),
                                              [&](const SourceRange& range) { return range.offset + range.length > cut; });
    return referencedInTail ? fileSize : cut;
}

Bytes descriptionEntry(Endian endian, uint32_t count, uint32_t valueOffset, std::string_view inlineText)
{
    Bytes out;
    appendU16(out, kImageDescription, endian);
    appendU16(out, kAscii, endian);
    appendU32(out, count, endian);
    if (inlineText.size() + 1 > 4) {
        appendU32(out, valueOffset, endian);
        return out;
    }
    appendText(out, inlineText);
    out.resize(kEntrySize, 0);
    return out;
}

// The new first IFD's tail block: [pad][description + NUL][pad][IFD], starting at `base`.
Bytes rewrittenDirectory(ByteView file, const Layout& layout, uint64_t base, std::string_view text,
                         uint64_t& directoryOffset)
{
    Bytes out;
    padToWord(out, base);
    const uint64_t textOffset = base + out.size();
    const uint32_t count = uint32_t(text.size() + 1);
    if (!text.empty() && count > 4) {
        appendText(out, text);
        out.push_back(0);
        padToWord(out, base);
    }
    directoryOffset = base + out.size();
    std::vector<Bytes> entries;
    for (const Entry& entry : layout.firstIfdEntries)
        if (entry.tag != kImageDescription)
            entries.emplace_back(file.begin() + entry.offset, file.begin() + entry.offset + kEntrySize);
    if (!text.empty()) {
        const auto position = std::find_if(layout.firstIfdEntries.begin(), layout.firstIfdEntries.end(),
                                           [](const Entry& entry) { return entry.tag > kImageDescription; });
        const auto before = std::count_if(layout.firstIfdEntries.begin(), position,
                                          [](const Entry& entry) { return entry.tag != kImageDescription; });
        entries.insert(entries.begin() + before, descriptionEntry(layout.endian, count, uint32_t(textOffset), text));
    }
    appendU16(out, uint16_t(entries.size()), layout.endian);
    for (const Bytes& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    appendU32(out, layout.nextIfd, layout.endian);
    return out;
}

bool overlaps(const SourceRange& a, const SourceRange& b)
{
    return a.offset < b.offset + b.length && b.offset < a.offset + a.length;
}

// The old first IFD and its description, which nothing refers to once the header points at the rewritten
// one. Their bytes are blanked, so an erased comment cannot be found in the file; whatever lies at or after
// `cut` is rewritten anyway.
std::vector<SourceRange> leftUnused(const Layout& layout, uint64_t cut)
{
    std::vector<SourceRange> candidates{{layout.firstIfd, layout.firstIfdEnd - layout.firstIfd}};
    if (const Entry* description = layout.description(); description && description->value.offset != description->offset + 8)
        candidates.push_back(description->value);
    std::vector<SourceRange> unused;
    for (SourceRange range : candidates) {
        range.length = range.offset >= cut ? 0 : std::min(range.length, cut - range.offset);
        const bool stillReferenced = std::any_of(layout.referenced.begin(), layout.referenced.end(),
                                                 [&](const SourceRange& used) { return overlaps(range, used); });
        if (range.length > 0 && !stillReferenced)
            unused.push_back(range);
    }
    std::sort(unused.begin(), unused.end(), [](const auto& a, const auto& b) { return a.offset < b.offset; });
    if (unused.size() == 2 && overlaps(unused[0], unused[1])) {
        const uint64_t end = std::max(unused[0].offset + unused[0].length, unused[1].offset + unused[1].length);
        unused = {{unused[0].offset, end - unused[0].offset}};
    }
    return unused;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, {"II*\0", 4}) || startsWith(file, {"MM\0*", 4});
}

ReadResult readComment(ByteView file)
{
    const auto layout = parseLayout(file);
    return layout ? commentOf(file, *layout) : readFailure(CORVANE_E_DAMAGED);
}

PlanResult planComment(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    return layout ? planFor(file, *layout, text) : planFailure(CORVANE_E_DAMAGED);
}

std::optional<SourceRange> descriptionText(const Layout& layout)
{
    const Entry* description = layout.description();
    if (!description || !isTextType(description->type) || description->count > description->value.length)
        return std::nullopt;
    return SourceRange{description->value.offset, description->count};
}

ReadResult commentOf(ByteView file, const Layout& layout)
{
    const auto text = descriptionText(layout);
    const std::string_view description = text ? asText(file.subspan(text->offset, text->length)) : std::string_view();
    std::vector<CaptionField> fields = captionFields(storedCaptions(file, layout, description));
    std::string caption = chosenCaption(fields);
    return {CORVANE_OK, std::move(caption), std::move(fields)};
}

PlanResult planFor(ByteView file, const Layout& layout, std::string_view text)
{
    const bool hasDescription = layout.description() != nullptr;
    if (text.empty() && !hasDescription)
        return {CORVANE_OK, EditPlan(file.size())};
    const size_t entryCount = layout.firstIfdEntries.size() - (hasDescription ? 1 : 0) + (text.empty() ? 0 : 1);
    if (entryCount == 0 || entryCount > std::numeric_limits<uint16_t>::max())
        return planFailure(CORVANE_E_UNSUPPORTED);
    const uint64_t cut = reusableTail(layout, file.size());
    uint64_t directoryOffset = 0;
    Bytes tail = rewrittenDirectory(file, layout, cut, text, directoryOffset);
    if (cut + tail.size() > std::numeric_limits<uint32_t>::max())
        return planFailure(CORVANE_E_TOO_LARGE);
    EditPlan plan(file.size());
    Bytes header;
    appendU32(header, uint32_t(directoryOffset), layout.endian);
    plan.replace(4, 4, std::move(header));
    for (const SourceRange& range : leftUnused(layout, cut))
        plan.replace(range.offset, range.length, Bytes(range.length, 0));
    plan.replace(cut, file.size() - cut, std::move(tail));
    return {CORVANE_OK, std::move(plan)};
}

}
