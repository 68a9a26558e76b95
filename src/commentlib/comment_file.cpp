#include "commentlib/comment_file.h"

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
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return readFailure(status);
    ReadResult result = readComment(file);
    if (result.status != CORVANE_OK)
        return result;
    const int32_t status = file.checkUnchanged();
    return status == CORVANE_OK ? result : readFailure(status);
}

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
    // Containers without caption fields have only their own comment.
    const CaptionField* chosen = chosenField(result.fields);
    if (text.empty())
        source = CommentSource::None;
    else if (result.fields.empty() || (chosen && chosen->name == kCommentField))
        source = CommentSource::OwnComment;
    else
        source = CommentSource::CaptionField;
    return result.status;
}

int32_t readFileCaptions(const std::string& path, std::vector<CaptionField>& fields)
{
    ReadResult result = readFile(path);
    // Containers without caption fields have only their own comment.
    if (result.fields.empty())
        result.fields.push_back({kCommentField, std::move(result.text)});
    fields = filledFields(std::move(result.fields));
    return result.status;
}

int32_t stageComment(const std::string& path, std::string_view text, SourceFile& file,
                     PendingReplacement& replacement, PendingReplacement::Cleanup cleanup)
{
    if (text.size() > kMaxCommentBytes)
        return CORVANE_E_TOO_LARGE;
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return status;
    PlanResult planned = planComment(file, text);
    if (planned.status != CORVANE_OK)
        return planned.status;
    int32_t status = stagePlan(file, planned.plan, replacement, cleanup);
    if (status == kNeedsWholeFile) {
        // Planned again from every byte, the edit leaves nothing unread and cannot ask for this a second time.
        if (status = file.loadWhole(); status != CORVANE_OK)
            return status;
        planned = planComment(file.bytes(), text);
        if (planned.status != CORVANE_OK)
            return planned.status;
        status = stagePlan(file, planned.plan, replacement, cleanup);
    }
    return status == CORVANE_OK ? planned.notice : status;
}

int32_t writeFileComment(const std::string& path, std::string_view text)
{
    SourceFile file;
    PendingReplacement replacement;
    const int32_t status = stageComment(path, text, file, replacement, PendingReplacement::Cleanup::ThisFile);
    if (status < CORVANE_OK || !replacement.prepared())
        return status;
    const int32_t committed = replacement.replaceAlone(file);
    return committed == CORVANE_OK ? status : committed;
}

}
