// The property every container editor must keep, whatever bytes it is given: parsing never crashes, and an
// edit that succeeds yields a file that parses again and reads back exactly the text written. The fuzz
// targets and the regression test over saved fuzz inputs share this check.
#pragma once

#include "commentlib/editor_result.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace corvane::fuzzing {

// Texts that cross the interesting boundaries: ASCII vs UTF-8 (PNG chunk kind), 255-byte GIF sub-blocks,
// 65533-byte JPEG segments, four bytes inline in a TIFF entry, 2000 bytes of an IPTC caption.
inline const std::vector<std::string>& fuzzTexts()
{
    static const std::vector<std::string> texts = {
        "",
        "abc",
        "first line\r\nsecond line `quoted` \xC3\xA9\xE2\x82\xAC",
        std::string(300, 'g') + "\xF0\x9F\x98\x80",
        [] {
            std::string text;
            while (text.size() < 65533 + 300)
                text += "\xE2\x82\xAC-";
            return text;
        }(),
    };
    return texts;
}

inline const std::string& textFor(ByteView data)
{
    const uint8_t selector = data.empty() ? 0 : data.back();
    return fuzzTexts()[selector % fuzzTexts().size()];
}

struct EditorFunctions {
    ReadResult (*read)(ByteView);
    PlanResult (*plan)(ByteView, std::string_view);
};

// Returns false when the property is broken.
inline bool editReadsBack(const EditorFunctions& editor, ByteView data, const std::string& text)
{
    const ReadResult before = editor.read(data);
    const PlanResult plan = editor.plan(data, text);
    if (before.status != CORVANE_OK && !before.text.empty())
        return false;
    if ((before.status == CORVANE_E_DAMAGED) != (plan.status == CORVANE_E_DAMAGED))
        return false;
    if (plan.status != CORVANE_OK)
        return true;
    const ReadResult after = editor.read(plan.plan.applyTo(data));
    return after.status == CORVANE_OK && after.text == text;
}

inline int checkInput(const EditorFunctions& editor, const uint8_t* data, size_t size)
{
    const ByteView input(data, size);
    if (!editReadsBack(editor, input, textFor(input)) || !editReadsBack(editor, input, ""))
        std::abort();
    return 0;
}

}
