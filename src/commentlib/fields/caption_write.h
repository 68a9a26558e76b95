// How a caption reaches the fields of any container: every field takes the new text where it can. A field
// that cannot (it would outgrow its segment or chunk, or its data cannot be edited) loses its old caption
// instead, which must not outlive the new text in a field read first, and the write reports CORVANE_PARTIAL;
// an XMP packet that cannot be parsed is left as it was and the write reports CORVANE_PARTIAL_XMP, the more
// telling of the two. A text that no field takes at all is not written: the caller refuses the write.
#pragma once

#include "commentlib/corvane.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

namespace corvane {

class CaptionWrite {
public:
    explicit CaptionWrite(std::string_view text) : text_(text) {}

    std::string_view text() const { return text_; }
    int32_t notice() const { return notice_; }

    // What a field becomes: `edit(text)`, or, when that gives nothing, `edit("")`, which empties the field
    // and is noted; nothing when the field can be neither written nor emptied.
    template<class Edit>
    std::invoke_result_t<const Edit&, std::string_view> into(const Edit& edit)
    {
        auto changed = edit(text_);
        if (changed) {
            fieldHoldsText();
            return changed;
        }
        fieldLeftOut();
        return text_.empty() ? changed : edit(std::string_view());
    }

    // A field that already holds the text, or a new one made for it.
    void fieldHoldsText() { held_ = true; }
    void fieldLeftOut() { note(CORVANE_PARTIAL); }
    // A text that would be stored nowhere, so the write would lose it while reporting a partial success.
    bool lostEverywhere() const { return !text_.empty() && !held_; }
    void packetUnreadable() { note(CORVANE_PARTIAL_XMP); }

private:
    void note(int32_t status) { notice_ = std::max(notice_, status); }

    std::string_view text_;
    int32_t notice_ = CORVANE_OK;
    bool held_ = false;
};

}
