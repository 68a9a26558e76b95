// Planning a TIFF write: the rewritten first IFD goes past every range any offset points at, reusing the file's tail
// only where an old first IFD ends the file and nothing else refers to it. Entries keep their order, and bytes left
// unused are zeroed.
#include "commentlib/tiff/tiff_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/tiff/tiff_layout.h"
#include "commentlib/tiff/tiff_metadata.h"

#include <algorithm>
#include <limits>

namespace corvane::tiff {

namespace {

bool isTextType(uint16_t type)
{
    return type == kAscii || type == 1 || type == 7;
}

void padToWord(Bytes& out, uint64_t base)
{
    if ((base + out.size()) % 2 != 0)
        out.push_back(0);
}

uint64_t typeSize(uint16_t type)
{
    return type == 3 ? 2 : type == 4 ? 4 : 1;
}

bool outOfLine(const Entry& entry)
{
    return entry.value.offset != entry.offset + 8;
}

const Entry* entryFor(const Layout& layout, uint16_t tag)
{
    const auto found = std::find_if(layout.firstIfdEntries.begin(), layout.firstIfdEntries.end(),
                                    [&](const Entry& entry) { return entry.tag == tag; });
    return found == layout.firstIfdEntries.end() ? nullptr : &*found;
}

// The old values of the changed tags, which nothing refers to once the directory is rewritten.
std::vector<SourceRange> replacedValues(const Layout& layout, const std::vector<NewValue>& changed)
{
    std::vector<SourceRange> values;
    for (const NewValue& value : changed)
        if (const Entry* entry = entryFor(layout, value.tag); entry && outOfLine(*entry))
            values.push_back(entry->value);
    return values;
}

bool sameRange(const SourceRange& a, const SourceRange& b)
{
    return a.offset == b.offset && a.length == b.length;
}

// What else the file refers to: every reference but the changed tags' old values.
std::vector<SourceRange> otherReferences(const Layout& layout, const std::vector<SourceRange>& replaced)
{
    std::vector<SourceRange> others;
    for (const SourceRange& range : layout.referenced)
        if (std::none_of(replaced.begin(), replaced.end(),
                         [&](const SourceRange& old) { return sameRange(old, range); }))
            others.push_back(range);
    return others;
}

// Where the rewrite may start: the end of the file, or the start of a first IFD (and the replaced values just
// before it) that already ends the file and that nothing else refers to.
uint64_t reusableTail(const Layout& layout, uint64_t fileSize, const std::vector<SourceRange>& replaced,
                      const std::vector<SourceRange>& others)
{
    if (layout.firstIfdEnd != fileSize)
        return fileSize;
    uint64_t cut = layout.firstIfd;
    for (bool moved = true; moved;) {
        moved = false;
        for (const SourceRange& value : replaced) {
            const uint64_t valueEnd = value.offset + value.length;
            if (value.offset < cut && (valueEnd == cut || valueEnd + 1 == cut)) {
                cut = value.offset;
                moved = true;
            }
        }
    }
    return endOf(others) > cut ? fileSize : cut;
}

Bytes newEntry(Endian endian, const NewValue& value, uint32_t valueOffset)
{
    Bytes out;
    appendU16(out, value.tag, endian);
    appendU16(out, value.type, endian);
    appendU32(out, uint32_t(value.value->size() / typeSize(value.type)), endian);
    if (value.value->size() > 4) {
        appendU32(out, valueOffset, endian);
        return out;
    }
    out.insert(out.end(), value.value->begin(), value.value->end());
    out.resize(kEntrySize, 0);
    return out;
}

bool isChanged(const std::vector<NewValue>& changed, uint16_t tag)
{
    return std::any_of(changed.begin(), changed.end(), [&](const NewValue& value) { return value.tag == tag; });
}

using TaggedEntry = std::pair<uint16_t, Bytes>;

// The entries in their old order, a changed one where it stood and an added one before the first larger tag.
// Entries are never re-sorted: readers of a file whose entries are out of order read them as they stand.
std::vector<TaggedEntry> entriesInOrder(ByteView file, const Layout& layout, const std::vector<NewValue>& changed,
                                        std::vector<TaggedEntry> changedEntries)
{
    std::vector<TaggedEntry> entries;
    for (const Entry& entry : layout.firstIfdEntries) {
        const auto replacement =
            std::find_if(changedEntries.begin(), changedEntries.end(),
                         [&](const TaggedEntry& candidate) { return candidate.first == entry.tag; });
        if (replacement != changedEntries.end()) {
            entries.push_back(std::move(*replacement));
            changedEntries.erase(replacement);
        } else if (!isChanged(changed, entry.tag)) {
            entries.emplace_back(entry.tag,
                                 Bytes(file.begin() + entry.offset, file.begin() + entry.offset + kEntrySize));
        }
    }
    for (TaggedEntry& added : changedEntries) {
        const auto larger = std::find_if(entries.begin(), entries.end(),
                                         [&](const TaggedEntry& entry) { return entry.first > added.first; });
        entries.insert(larger, std::move(added));
    }
    return entries;
}

// The new first IFD's tail block: [pad][each new value][pad][IFD], starting at `base`.
Bytes rewrittenDirectory(ByteView file, const Layout& layout, uint64_t base, const std::vector<NewValue>& changed,
                         uint64_t& directoryOffset)
{
    Bytes out;
    std::vector<TaggedEntry> changedEntries;
    for (const NewValue& value : changed) {
        if (!value.value)
            continue;
        padToWord(out, base);
        const uint64_t valueOffset = base + out.size();
        if (value.value->size() > 4)
            out.insert(out.end(), value.value->begin(), value.value->end());
        changedEntries.emplace_back(value.tag, newEntry(layout.endian, value, uint32_t(valueOffset)));
    }
    padToWord(out, base);
    directoryOffset = base + out.size();
    const std::vector<TaggedEntry> entries = entriesInOrder(file, layout, changed, std::move(changedEntries));
    appendU16(out, uint16_t(entries.size()), layout.endian);
    for (const auto& entry : entries)
        out.insert(out.end(), entry.second.begin(), entry.second.end());
    appendU32(out, layout.nextIfd, layout.endian);
    return out;
}

// The old first IFD and the changed tags' old values, which nothing refers to once the header points at the
// rewritten one. Their bytes are blanked, so an erased comment cannot be found in the file; whatever lies at
// or after `cut` is rewritten anyway.
std::vector<SourceRange> leftUnused(const Layout& layout, uint64_t cut, const std::vector<SourceRange>& replaced,
                                    const std::vector<SourceRange>& others)
{
    std::vector<SourceRange> candidates{{layout.firstIfd, layout.firstIfdEnd - layout.firstIfd}};
    candidates.insert(candidates.end(), replaced.begin(), replaced.end());
    std::vector<SourceRange> unused;
    for (SourceRange range : candidates) {
        range.length = range.offset >= cut ? 0 : std::min(range.length, cut - range.offset);
        if (range.length > 0 && !overlapsAny(others, range))
            unused.push_back(range);
    }
    std::sort(unused.begin(), unused.end(), [](const auto& a, const auto& b) { return a.offset < b.offset; });
    std::vector<SourceRange> merged;
    for (const SourceRange& range : unused) {
        if (!merged.empty() && merged.back().offset + merged.back().length >= range.offset) {
            const uint64_t end = std::max(merged.back().offset + merged.back().length, range.offset + range.length);
            merged.back().length = end - merged.back().offset;
            continue;
        }
        merged.push_back(range);
    }
    return merged;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, {"II*\0", 4}) || startsWith(file, {"MM\0*", 4});
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
    return captionRead(captionFields(storedCaptions(file, layout, description)));
}

PlanResult planFor(ByteView file, const Layout& layout, std::string_view text)
{
    const CaptionValues captions = captionValues(file, layout, text);
    const std::vector<NewValue>& changed = captions.changed;
    if (changed.empty())
        return {CORVANE_OK, EditPlan(file.size()), captions.notice};
    size_t entryCount = layout.firstIfdEntries.size();
    for (const NewValue& value : changed)
        entryCount = entryCount - (entryFor(layout, value.tag) ? 1 : 0) + (value.value ? 1 : 0);
    if (entryCount == 0 || entryCount > std::numeric_limits<uint16_t>::max())
        return planFailure(CORVANE_E_UNSUPPORTED);
    const std::vector<SourceRange> replaced = replacedValues(layout, changed);
    const std::vector<SourceRange> others = otherReferences(layout, replaced);
    const uint64_t cut = reusableTail(layout, file.size(), replaced, others);
    // New bytes never go where an offset points, even one of a damaged directory that points past the end.
    const uint64_t base = std::max(cut, endOf(others));
    if (base > std::numeric_limits<uint32_t>::max())
        return planFailure(CORVANE_E_TOO_LARGE);
    uint64_t directoryOffset = 0;
    Bytes tail(base - cut, 0);
    const Bytes directory = rewrittenDirectory(file, layout, base, changed, directoryOffset);
    tail.insert(tail.end(), directory.begin(), directory.end());
    if (cut + tail.size() > std::numeric_limits<uint32_t>::max())
        return planFailure(CORVANE_E_TOO_LARGE);
    EditPlan plan(file.size());
    Bytes header;
    appendU32(header, uint32_t(directoryOffset), layout.endian);
    plan.replace(4, 4, std::move(header));
    for (const SourceRange& range : leftUnused(layout, cut, replaced, others))
        plan.replace(range.offset, range.length, Bytes(range.length, 0));
    plan.replace(cut, file.size() - cut, std::move(tail));
    return {CORVANE_OK, std::move(plan), captions.notice};
}

}
