#include "bmp_editor.h"

#include "bmp_layout.h"

namespace corvane::bmp {

namespace {

Bytes trailer(std::string_view text)
{
    Bytes out;
    appendText(out, kTrailerMagic);
    appendU32(out, uint32_t(text.size()), Endian::Little);
    appendText(out, text);
    return out;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, "BM");
}

ReadResult readComment(ByteView file)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return readFailure(CORVANE_E_DAMAGED);
    if (!layout->trailer)
        return {CORVANE_OK, {}};
    return {CORVANE_OK, std::string(asText(file.subspan(layout->trailer->offset + kTrailerHeader,
                                                        layout->trailer->length - kTrailerHeader)))};
}

PlanResult planComment(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return planFailure(CORVANE_E_DAMAGED);
    // Removing our trailer would leave those bytes where a trailer is looked for, and they would be misread.
    if (text.empty() && layout->foreignBytesMimicTrailer)
        return planFailure(CORVANE_E_UNSUPPORTED);
    EditPlan plan(file.size());
    const uint64_t removed = layout->trailer ? layout->trailer->length : 0;
    plan.replace(layout->bitmapEnd, removed, text.empty() ? Bytes{} : trailer(text));
    return {CORVANE_OK, std::move(plan)};
}

}
