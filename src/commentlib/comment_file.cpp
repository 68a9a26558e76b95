// Comment reads and writes by path. A RAW, told by its content or by either name's extension, goes to its sidecar; a
// plan that turns out to need the part it left unread is made once more from the whole file, never a third time.
#include "commentlib/comment_file.h"

#include "commentlib/camera_raw.h"
#include "commentlib/container.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/unread_part_check.h"

namespace corvane {

namespace {

// Writes the planned new file, or nothing when the plan leaves the file as it is (every planner reads the
// ranges its plan replaces). kNeedsWholeFile when the part of the file the plan was made without holds
// something it must also change.
int32_t stagePlan(SourceFile& file, const EditPlan& plan, PendingReplacement& replacement,
                  PendingReplacement::Cleanup cleanup)
{
    if (!plan.leavesUnchanged(file.whole()))
        return replacement.prepare(file, plan, cleanup);
    const int32_t status = plan.unreadPart() ? checkUnreadPart(file, *plan.unreadPart()) : CORVANE_OK;
    return status == CORVANE_OK ? file.checkUnchanged() : status;
}

ReadResult readFile(const std::string& path)
{
    SourceFile file;
    bool raw = false;
    if (const int32_t status = openPicture(path, file, raw); status != CORVANE_OK)
        return readFailure(status);
    if (raw)
        return sidecar::readCaption(file);
    ReadResult result = readComment(file);
    if (result.status != CORVANE_OK)
        return result;
    const int32_t status = file.checkUnchanged();
    return status == CORVANE_OK ? result : readFailure(status);
}

}

int32_t openPicture(const std::string& path, SourceFile& file, bool& raw)
{
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return status;
    raw::Kind kind = raw::Kind::None;
    if (const int32_t status = raw::kindOf(file, kind); status != CORVANE_OK)
        return status;
    const size_t slash = path.rfind('/');
    const std::string_view given =
        slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
    raw = kind == raw::Kind::Proprietary || raw::hasRawExtension(given) || raw::hasRawExtension(file.name());
    return CORVANE_OK;
}

int32_t readFileComment(const std::string& path, std::string& text)
{
    CommentSource source;
    return readFileComment(path, text, source);
}

int32_t readFileComment(const std::string& path, std::string& text, CommentSource& source)
{
    ReadResult result = readFile(path);
    text = std::move(result.text);
    const CaptionField* chosen = chosenField(result.fields);
    if (text.empty())
        source = CommentSource::None;
    else if (chosen && chosen->name == kCommentField)
        source = CommentSource::OwnComment;
    else
        source = CommentSource::CaptionField;
    return result.status;
}

int32_t readFileCaptions(const std::string& path, std::vector<CaptionField>& fields)
{
    ReadResult result = readFile(path);
    fields = filledFields(std::move(result.fields));
    return result.status;
}

int32_t readFileSidecars(const std::string& path, bool& raw, std::vector<sidecar::Sidecar>& sidecars)
{
    SourceFile file;
    if (const int32_t status = openPicture(path, file, raw); status != CORVANE_OK)
        return status;
    sidecars = sidecar::sidecarsOf(file, raw);
    return CORVANE_OK;
}

int32_t captionFilePath(const std::string& path, std::string& captionFile)
{
    SourceFile file;
    bool raw = false;
    if (const int32_t status = openPicture(path, file, raw); status != CORVANE_OK)
        return status;
    if (raw)
        captionFile = sidecar::captionFile(file);
    else if (detectContainer(file.bytes()) == Container::Unknown)
        return CORVANE_E_UNSUPPORTED;
    else
        captionFile = path;
    return CORVANE_OK;
}

int32_t stageComment(const std::string& path, std::string_view text, SourceFile& file, PendingReplacement& replacement,
                     PendingReplacement::Cleanup cleanup, SidecarWrite& sidecar)
{
    if (text.size() > kMaxCommentBytes)
        return CORVANE_E_TOO_LARGE;
    if (const int32_t status = openPicture(path, file, sidecar.raw); status != CORVANE_OK)
        return status;
    if (sidecar.raw)
        return sidecar::writeCaption(file, text, sidecar.outcome);
    PlanResult planned = planComment(file, text);
    if (planned.status != CORVANE_OK)
        return planned.status;
    int32_t status = stagePlan(file, planned.plan, replacement, cleanup);
    if (status == kNeedsWholeFile) {
        // Planned again from every byte, the edit leaves nothing unread and cannot ask for this a second time.
        if (status = file.loadWhole(); status != CORVANE_OK)
            return status;
        planned = planComment(file, text);
        if (planned.status != CORVANE_OK)
            return planned.status;
        status = stagePlan(file, planned.plan, replacement, cleanup);
    }
    return status == CORVANE_OK ? planned.notice : status;
}

int32_t keepSidecarInStep(const SourceFile& file, std::string_view text, int32_t status, SidecarWrite& sidecar)
{
    return sidecar::keepInStep(file, text, sidecar.outcome) == CORVANE_OK ? status : CORVANE_PARTIAL_SIDECAR;
}

int32_t writeFileComment(const std::string& path, std::string_view text)
{
    SidecarWrite sidecar;
    return writeFileComment(path, text, sidecar);
}

int32_t writeFileComment(const std::string& path, std::string_view text, SidecarWrite& sidecar)
{
    SourceFile file;
    PendingReplacement replacement;
    const int32_t status = stageComment(path, text, file, replacement, PendingReplacement::Cleanup::ThisFile, sidecar);
    if (status < CORVANE_OK || sidecar.raw)
        return status;
    if (replacement.prepared())
        if (const int32_t committed = replacement.replaceAlone(file); committed != CORVANE_OK)
            return committed;
    return keepSidecarInStep(file, text, status, sidecar);
}

}
