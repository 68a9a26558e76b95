// A GIF's comment is the first Comment Extension's sub-blocks joined. A write removes every one, puts the new one after
// the header and any global colour table, and marks the file 87a again once its last extension is erased.
#include "commentlib/gif/gif_editor.h"

#include "commentlib/fields/caption_read.h"
#include "commentlib/gif/gif_layout.h"
#include "commentlib/whole_file.h"

namespace corvane::gif {

namespace {

constexpr size_t kMaxSubBlock = 255;

Bytes commentExtension(std::string_view text)
{
    Bytes out{0x21, 0xFE};
    while (!text.empty()) {
        const size_t length = std::min(text.size(), kMaxSubBlock);
        out.push_back(uint8_t(length));
        appendText(out, text.substr(0, length));
        text.remove_prefix(length);
    }
    out.push_back(0);
    return out;
}

std::string joinedBlocks(ByteView file, const CommentExtension& comment)
{
    std::string text;
    for (const SourceRange& block : comment.blocks)
        text += asText(file.subspan(block.offset, block.length));
    return text;
}

// Extensions came with 89a; once the last one is erased the file can say 87a again, as it did before we
// wrote a comment into it.
Bytes versionAfterEdit(const Layout& layout, std::string_view text)
{
    if (!text.empty())
        return {'8', '9', 'a'};
    const bool removesLastExtension = !layout.comments.empty() && layout.comments.size() == layout.extensions;
    return removesLastExtension ? Bytes{'8', '7', 'a'} : Bytes{};
}

}

bool looksLike(ByteView file)
{
    return startsWith(file, "GIF87a") || startsWith(file, "GIF89a");
}

namespace {

ReadResult readBytes(ByteView file)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return readFailure(CORVANE_E_DAMAGED);
    const std::string text = layout->comments.empty() ? std::string() : joinedBlocks(file, layout->comments.front());
    return captionRead({{kCommentField, text}});
}

PlanResult planBytes(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    if (!layout)
        return planFailure(CORVANE_E_DAMAGED);
    EditPlan plan(file.size());
    if (Bytes version = versionAfterEdit(*layout, text); !version.empty())
        plan.replace(kVersionOffset, 3, std::move(version));
    std::vector<SourceRange> removals;
    for (const CommentExtension& comment : layout->comments)
        removals.push_back(comment.whole);
    spliceInto(plan, removals, layout->afterColourTable, text.empty() ? Bytes{} : commentExtension(text));
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
