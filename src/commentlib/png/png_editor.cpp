// A PNG's caption fields are read in the order metadata, Description, Comment. A write removes every Comment text and
// puts one with the new text before the first IDAT; the first Description takes the text and the others go.
#include "commentlib/png/png_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/png/png_layout.h"
#include "commentlib/png/png_metadata.h"
#include "commentlib/png/png_text.h"
#include "commentlib/replacement_list.h"
#include "commentlib/whole_file.h"

namespace corvane::png {

namespace {

constexpr std::string_view kKeyword = "Comment";

// The first "Description" text takes the new text under its own keyword, and the others go: none may outlive
// the new caption. An empty text removes them all.
std::vector<Replacement> descriptionEdits(const Layout& layout, std::string_view text)
{
    std::vector<Replacement> edits;
    for (const Chunk& description : layout.descriptions) {
        const bool first = edits.empty() && !text.empty();
        edits.push_back(
            {description.offset, description.totalLength(), first ? textChunk(description.keyword, text) : Bytes{}});
    }
    return edits;
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, kSignature);
}

namespace {

ReadResult readBytes(ByteView file)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return readFailure(CORVANE_E_DAMAGED);
    std::vector<CaptionField> fields = metadataFields(file, *layout);
    fields.push_back({kPngDescriptionField, firstText(file, layout->descriptions)});
    fields.push_back({kCommentField, firstText(file, layout->comments)});
    return captionRead(std::move(fields));
}

PlanResult planBytes(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return planFailure(CORVANE_E_DAMAGED);
    std::vector<Replacement> edits = descriptionEdits(*layout, text);
    for (const Chunk& comment : layout->comments)
        edits.push_back({comment.offset, comment.totalLength(), {}});
    MetadataEdits metadata = metadataEdits(file, *layout, text);
    edits.insert(edits.end(), metadata.edits.begin(), metadata.edits.end());
    edits.push_back({layout->firstImageData, 0, text.empty() ? Bytes{} : textChunk(kKeyword, text)});
    // A packet that cannot be parsed is left alone; the comment still takes the text.
    return {CORVANE_OK, planOf(file.size(), std::move(edits)), metadata.notice};
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
