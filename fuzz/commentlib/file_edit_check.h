// The properties every write keeps, checked over the path a real write takes: the bytes stored as a file in a
// private folder, then get, show, set and erase run through the functions the C exports call, reading only as
// much of the file as each container needs. A refused write leaves the file as it was; a set that succeeds
// (fully or partly) reads back the whole text, in every caption field that holds it; the same set again
// changes nothing; an erase that succeeds leaves no caption; neither changes a byte of the picture itself.
// The file targets and the regression test over saved fuzz inputs share this check.
#pragma once

#include "commentlib/comment_file.h"
#include "commentlib/fields/caption_fields.h"
#include "commentlib/utf8.h"
#include "image_data.h"
#include "round_trip_check.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::fuzzing {

inline Bytes storedBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool sameBytes(ByteView a, ByteView b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

inline std::string statusText(const char* what, int32_t status)
{
    return std::string(what) + " (status " + std::to_string(status) + ")";
}

// IPTC keeps at most 2000 bytes of a caption, cut on a character boundary.
inline bool holdsText(const CaptionField& field, const std::string& text)
{
    constexpr size_t kIptcCaptionLimit = 2000;
    if (field.name == kIptcCaptionField && text.size() > kIptcCaptionLimit)
        return field.text == text.substr(0, utf8::boundaryAtOrBefore(text, kIptcCaptionLimit));
    return field.text == text;
}

inline std::string pictureFault(ByteView before, ByteView after, const char* what)
{
    const std::optional<Bytes> kept = imageData(before);
    if (kept && kept != imageData(after))
        return std::string(what) + " changed the picture's own bytes";
    return {};
}

inline std::string readBackFault(const std::string& path, const std::string& text, int32_t written)
{
    std::string back;
    const int32_t status = readFileComment(path, back);
    if (status != CORVANE_OK || back != text)
        return statusText(written == CORVANE_OK ? "a set read back otherwise" : "a partial set read back otherwise",
                          status) +
               ": " + std::to_string(back.size()) + " of " + std::to_string(text.size()) + " bytes";
    std::vector<CaptionField> fields;
    readFileCaptions(path, fields);
    for (const CaptionField& field : fields)
        if (!holdsText(field, text))
            return "after a set, " + std::string(field.name) + " holds another text";
    return {};
}

// `readStatus` is what get made of the original.
inline std::string setFault(const std::string& path, ByteView original, const std::string& text, int32_t readStatus)
{
    const int32_t status = writeFileComment(path, text);
    const Bytes written = storedBytes(path);
    if (status < CORVANE_OK)
        return sameBytes(written, original) ? std::string() : statusText("a refused set changed the file", status);
    if (readStatus == CORVANE_E_DAMAGED || readStatus == CORVANE_E_UNSUPPORTED)
        return statusText("a set wrote a file get refuses", readStatus);
    if (std::string fault = readBackFault(path, text, status); !fault.empty())
        return fault;
    if (std::string fault = pictureFault(original, written, "a set"); !fault.empty())
        return fault;
    const int32_t again = writeFileComment(path, text);
    if (again < CORVANE_OK || !sameBytes(storedBytes(path), written))
        return statusText("the same set again changed the file", again);
    return {};
}

inline std::string eraseFault(const std::string& path, ByteView before)
{
    const int32_t status = writeFileComment(path, {});
    const Bytes erased = storedBytes(path);
    if (status < CORVANE_OK)
        return sameBytes(erased, before) ? std::string() : statusText("a refused erase changed the file", status);
    std::vector<CaptionField> fields;
    const int32_t read = readFileCaptions(path, fields);
    if (read != CORVANE_OK || !fields.empty())
        return statusText("a caption outlived an erase", read) +
               (fields.empty() ? "" : ": " + std::string(fields[0].name));
    return pictureFault(before, erased, "an erase");
}

// What went wrong with `input` as a file, or nothing. Set `text`, erase that, then erase the original.
inline std::string fileEditFault(ByteView input, const std::string& text)
{
    static const PrivateFolder folder;
    const std::string path = folder.file("picture");
    storeFile(path, input);
    std::string comment;
    const int32_t readStatus = readFileComment(path, comment);
    std::string fault = setFault(path, input, text, readStatus);
    if (fault.empty())
        fault = eraseFault(path, storedBytes(path));
    if (fault.empty()) {
        storeFile(path, input);
        fault = eraseFault(path, input);
    }
    return fault;
}

// The entry of a file target: inputs of another container are left to that container's target.
inline int checkFileInput(Container container, const uint8_t* data, size_t size)
{
    const ByteView input(data, size);
    if (detectContainer(input) != container)
        return -1;
    if (const std::string fault = fileEditFault(input, textFor(input)); !fault.empty()) {
        fprintf(stderr, "fault: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

}
