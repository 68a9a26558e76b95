// The property every container editor must keep, whatever bytes it is given: parsing never crashes, and an
// edit that succeeds yields a file that parses again and reads back exactly the text written. The fuzz
// targets and the regression test over saved fuzz inputs share this check.
#pragma once

#include "commentlib/container.h"
#include "commentlib/unread_part_check.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// A folder of our own under the temporary folder, removed at exit.
class PrivateFolder {
public:
    PrivateFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void storeFile(const std::string& path, ByteView bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The bytes opened as a file, the way every read and write of the library starts.
inline bool opened(ByteView bytes, SourceFile& file)
{
    static const PrivateFolder folder;
    const std::string path = folder.file("in-memory");
    storeFile(path, bytes);
    return SourceFile::open(path, file) == CORVANE_OK;
}

inline ReadResult readBytes(ByteView bytes)
{
    SourceFile file;
    return opened(bytes, file) ? readComment(file) : readFailure(CORVANE_E_OPEN);
}

// The edit as a write makes it: planned again from every byte when what it left unread asks for that.
inline PlanResult planBytes(ByteView bytes, const std::string& text)
{
    SourceFile file;
    if (!opened(bytes, file))
        return planFailure(CORVANE_E_OPEN);
    PlanResult plan = planComment(file, text);
    const auto& unread = plan.plan.unreadPart();
    if (plan.status == CORVANE_OK && unread && checkUnreadPart(file, *unread) == kNeedsWholeFile)
        plan = file.loadWhole() == CORVANE_OK ? planComment(file, text) : planFailure(CORVANE_E_OPEN);
    return plan;
}

// Returns false when the property is broken.
inline bool editReadsBack(ByteView data, const std::string& text)
{
    const ReadResult before = readBytes(data);
    const PlanResult plan = planBytes(data, text);
    if (before.status != CORVANE_OK && !before.text.empty())
        return false;
    if ((before.status == CORVANE_E_DAMAGED) != (plan.status == CORVANE_E_DAMAGED))
        return false;
    if (plan.status != CORVANE_OK)
        return true;
    const ReadResult after = readBytes(plan.plan.applyTo(data));
    return after.status == CORVANE_OK && after.text == text;
}

// The entry of an in-memory target: inputs of another container are left to that container's target.
inline int checkInput(Container container, const uint8_t* data, size_t size)
{
    const ByteView input(data, size);
    if (detectContainer(input) != container)
        return -1;
    if (!editReadsBack(input, textFor(input)) || !editReadsBack(input, ""))
        std::abort();
    return 0;
}

}
