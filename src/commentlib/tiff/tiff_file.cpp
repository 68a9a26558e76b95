// A TIFF is parsed from the ranges read so far, reading each range the parse asks for next, and read whole once 64 of
// them were not enough. A plan also reads every range it replaces, so the old bytes are at hand.
#include "commentlib/tiff/tiff_file.h"

#include "commentlib/tiff/tiff_editor.h"
#include "commentlib/tiff/tiff_metadata.h"

namespace corvane::tiff {

namespace {

// Directories scattered over the file cost a read each; past this many, reading the whole file is cheaper.
constexpr int kMaxRanges = 64;

// Parses with the ranges in memory, reading each range the parse stops at, until the layout is known.
int32_t parseHeld(SourceFile& file, std::optional<Layout>& layout)
{
    if (const int32_t status = file.readAnywhere(); status != CORVANE_OK)
        return status;
    const HeldRanges held = [&](uint64_t offset, uint64_t length) { return file.holds(offset, length); };
    for (int round = 0; round < kMaxRanges; ++round) {
        std::optional<SourceRange> missing;
        layout = parseLayout(file.whole(), held, missing);
        if (!missing)
            return layout ? CORVANE_OK : CORVANE_E_DAMAGED;
        if (const int32_t status = file.loadRange(missing->offset, missing->length); status != CORVANE_OK)
            return status;
    }
    if (const int32_t status = file.loadWhole(); status != CORVANE_OK)
        return status;
    layout = parseLayout(file.bytes());
    return layout ? CORVANE_OK : CORVANE_E_DAMAGED;
}

// The description and the other caption fields' values.
int32_t loadDescription(SourceFile& file, const Layout& layout)
{
    std::vector<SourceRange> ranges = metadataValues(layout);
    if (const auto text = descriptionText(layout))
        ranges.push_back(*text);
    for (const SourceRange& range : ranges)
        if (const int32_t status = file.loadRange(range.offset, range.length); status != CORVANE_OK)
            return status;
    return CORVANE_OK;
}

}

ReadResult readComment(SourceFile& file)
{
    std::optional<Layout> layout;
    int32_t status = parseHeld(file, layout);
    if (status == CORVANE_OK)
        status = loadDescription(file, *layout);
    return status == CORVANE_OK ? commentOf(file.whole(), *layout) : readFailure(status);
}

// Every range the plan replaces is read too, so whoever compares old and new bytes finds them in memory.
PlanResult planComment(SourceFile& file, std::string_view text)
{
    std::optional<Layout> layout;
    int32_t status = parseHeld(file, layout);
    if (status == CORVANE_OK)
        status = loadDescription(file, *layout);
    if (status != CORVANE_OK)
        return planFailure(status);
    PlanResult planned = planFor(file.whole(), *layout, text);
    for (const Replacement& replacement : planned.plan.replacements())
        if (status == CORVANE_OK)
            status = file.loadRange(replacement.offset, replacement.removedLength);
    return status == CORVANE_OK ? std::move(planned) : planFailure(status);
}

}
