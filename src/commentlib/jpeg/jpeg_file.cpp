#include "commentlib/jpeg/jpeg_file.h"

#include "commentlib/jpeg/jpeg_editor.h"
#include "commentlib/jpeg/jpeg_scan_check.h"
#include "commentlib/unread_part_check.h"

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

ReadResult readWhole(SourceFile& file)
{
    const int32_t status = file.loadWhole();
    return status == CORVANE_OK ? readComment(file.bytes()) : readFailure(status);
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
        return readWhole(file);
    default:
        return readFailure(status);
    }
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    Header header;
    if (const int32_t status = loadHeader(file, header); status != CORVANE_OK)
        return planFailure(status);
    PlanResult planned = planFor(file.bytes(), file.size(), header.layout, text);
    if (planned.status == CORVANE_OK)
        planned.plan.leaveUnread(header.scanStart, imageData(header).check);
    return planned;
}

}
