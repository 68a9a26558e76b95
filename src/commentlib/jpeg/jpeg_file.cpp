// The segments before the image data are loaded in doubling reads. The image data is then only checked for a COM
// segment, while reading or during a plan's copy, and the whole file is parsed only when it holds one.
#include "commentlib/jpeg/jpeg_file.h"

#include "commentlib/jpeg/jpeg_editor.h"
#include "commentlib/jpeg/jpeg_layout.h"
#include "commentlib/jpeg/jpeg_scan_check.h"
#include "commentlib/unread_part_check.h"
#include "commentlib/whole_file.h"

namespace corvane::jpeg {

namespace {

// Reads more of the file until the segments before the image data are all in memory.
int32_t loadHeader(SourceFile& file, Header& header)
{
    while (true) {
        header = parseHeader(file.bytes(), file.size());
        if (header.status == Header::Status::Complete)
            return CORVANE_OK;
        if (header.status == Header::Status::Damaged)
            return CORVANE_E_DAMAGED;
        if (const int32_t status = file.load(std::max<uint64_t>(2 * file.bytes().size(), SourceFile::kFirstRead));
            status != CORVANE_OK)
            return status;
    }
}

UnreadPart imageData(const Header& header)
{
    return {header.scanStart, [] { return std::make_unique<ScanCheck>(); }};
}

ReadResult readBytes(ByteView file)
{
    const auto layout = parseLayout(file);
    return layout ? commentOf(file, *layout) : readFailure(CORVANE_E_DAMAGED);
}

// Every segment, those between and after the scans too.
PlanResult planBytes(ByteView file, std::string_view text)
{
    const auto layout = parseLayout(file);
    return layout ? planFor(file, file.size(), *layout, text) : planFailure(CORVANE_E_DAMAGED);
}

}

ReadResult readComment(SourceFile& file)
{
    Header header;
    if (const int32_t status = loadHeader(file, header); status != CORVANE_OK)
        return readFailure(status);
    ReadResult fromHeader = commentOf(file.bytes(), header.layout);
    if (!header.layout.comments.empty() || !fromHeader.text.empty())
        return fromHeader;
    switch (const int32_t status = checkUnreadPart(file, imageData(header))) {
    case CORVANE_OK:
        return fromHeader;
    case kNeedsWholeFile:
        return readWhole(file, readBytes);
    default:
        return readFailure(status);
    }
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    // A file already in memory is planned from all of it, leaving nothing to check on the way.
    if (file.wholeInMemory())
        return planWhole(file, text, planBytes);
    Header header;
    if (const int32_t status = loadHeader(file, header); status != CORVANE_OK)
        return planFailure(status);
    PlanResult planned = planFor(file.bytes(), file.size(), header.layout, text);
    if (planned.status == CORVANE_OK)
        planned.plan.leaveUnread(header.scanStart, imageData(header).check);
    return planned;
}

}
