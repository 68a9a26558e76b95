// A JPEG's comment is read from its first run of adjacent COM segments. A write removes every COM segment, inserts the
// text as new ones split on character boundaries, and has a multi-picture index follow whatever moved.
#include "commentlib/jpeg/jpeg_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/jpeg/jpeg_caption_plan.h"
#include "commentlib/jpeg/jpeg_layout.h"
#include "commentlib/replacement_list.h"
#include "commentlib/utf8.h"

namespace corvane::jpeg {

namespace {

constexpr size_t kMaxSegmentText = 65533; // the length field (at most 0xFFFF) counts its own two bytes

// The first COM segment together with the COM segments that directly follow it.
std::string joinedFirstComment(ByteView file, const std::vector<CommentSegment>& comments)
{
    std::string text;
    for (size_t i = 0; i < comments.size(); ++i) {
        if (i > 0 && comments[i].whole.offset != comments[i - 1].whole.offset + comments[i - 1].whole.length)
            break;
        text += asText(file.subspan(comments[i].text.offset, comments[i].text.length));
    }
    return text;
}

// COM segments for `text`, split on character boundaries so each segment is readable on its own.
Bytes commentSegments(std::string_view text)
{
    Bytes out;
    while (!text.empty()) {
        const size_t length = utf8::boundaryAtOrBefore(text, kMaxSegmentText);
        out.insert(out.end(), {0xFF, 0xFE});
        appendU16(out, uint16_t(length + 2), Endian::Big);
        appendText(out, text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, "\xFF\xD8\xFF");
}

ReadResult commentOf(ByteView file, const Layout& layout)
{
    std::vector<CaptionField> fields = captionFields(storedCaptions(file, layout.metadata));
    fields.push_back({kCommentField, joinedFirstComment(file, layout.comments)});
    return captionRead(std::move(fields));
}

PlanResult planFor(ByteView file, uint64_t fileSize, const Layout& layout, std::string_view text)
{
    CaptionEdits captions = captionEdits(file, layout, text);
    if (captions.refusal != CORVANE_OK)
        return planFailure(captions.refusal);
    std::vector<Replacement> edits = std::move(captions.edits);
    for (const CommentSegment& comment : layout.comments)
        edits.push_back({comment.whole.offset, comment.whole.length, {}});
    edits.push_back({layout.insertAt, 0, commentSegments(text)});
    EditPlan plan = planOf(fileSize, std::move(edits));
    if (!layout.multiPictureIndex)
        return {CORVANE_OK, std::move(plan), captions.notice};
    std::optional<EditPlan> followed = followedByIndex(plan, *layout.multiPictureIndex);
    return followed ? PlanResult{CORVANE_OK, std::move(*followed), captions.notice}
                    : planFailure(CORVANE_E_UNSUPPORTED);
}

}
