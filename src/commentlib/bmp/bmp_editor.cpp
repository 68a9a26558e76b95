// Reading and planning the comment trailer after a BMP's bitmap. The header's file size is rewritten whenever a trailer
// is written or a counted one goes; an erase is refused where the bytes behind our trailer would then pass for one.
#include "commentlib/bmp/bmp_editor.h"

#include "commentlib/bmp/bmp_layout.h"
#include "commentlib/fields/caption_read.h"
#include "commentlib/whole_file.h"

#include <limits>

namespace corvane::bmp {

namespace {

Bytes countedTrailer(std::string_view text, uint64_t bitmapEnd)
{
    Bytes out;
    appendText(out, text);
    appendU32(out, uint32_t(text.size()), Endian::Little);
    appendU32(out, uint32_t(bitmapEnd), Endian::Little);
    appendText(out, kCountedTrailerMagic);
    return out;
}

Bytes declaredSize(uint64_t size)
{
    Bytes out;
    appendU32(out, uint32_t(size), Endian::Little);
    return out;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, "BM");
}

namespace {

ReadResult readBytes(ByteView file)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return readFailure(CORVANE_E_DAMAGED);
    const ByteView text = layout->text ? file.subspan(layout->text->offset, layout->text->length) : ByteView{};
    return captionRead({{kCommentField, std::string(asText(text))}});
}

PlanResult planBytes(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return planFailure(CORVANE_E_DAMAGED);
    // Removing our trailer would leave those bytes where a trailer is looked for, and they would be misread.
    if (text.empty() && layout->foreignBytesMimicTrailer)
        return planFailure(CORVANE_E_UNSUPPORTED);
    const uint64_t newSize = layout->bitmapEnd + (text.empty() ? 0 : text.size() + kCountedTrailerFooter);
    if (newSize > std::numeric_limits<uint32_t>::max())
        return planFailure(CORVANE_E_TOO_LARGE);
    EditPlan plan(file.size());
    if (!text.empty() || layout->trailerCounted)
        plan.replace(kDeclaredSizeOffset, 4, declaredSize(newSize));
    const uint64_t removed = layout->trailer ? layout->trailer->length : 0;
    plan.replace(layout->bitmapEnd, removed, text.empty() ? Bytes{} : countedTrailer(text, layout->bitmapEnd));
    return {CORVANE_OK, std::move(plan)};
}

}

ReadResult readComment(SourceFile& file)
{
    return readWhole(file, readBytes);
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    return planWhole(file, text, planBytes);
}

}
