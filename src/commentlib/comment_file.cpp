#include "comment_file.h"

#include "container.h"
#include "platform/file_replacer.h"

namespace corvane {

int32_t readFileComment(const std::string& path, std::string& text)
{
    text.clear();
    SourceFile file;
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return status;
    ReadResult result = readComment(file.bytes());
    if (result.status == CORVANE_OK)
        text = std::move(result.text);
    return result.status;
}

int32_t openAndPlan(const std::string& path, std::string_view text, SourceFile& file, PlanResult& planned)
{
    if (text.size() > kMaxCommentBytes)
        return CORVANE_E_TOO_LARGE;
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return status;
    planned = planComment(file.bytes(), text);
    return planned.status;
}

int32_t writeFileComment(const std::string& path, std::string_view text)
{
    SourceFile file;
    PlanResult planned;
    if (const int32_t status = openAndPlan(path, text, file, planned); status != CORVANE_OK)
        return status;
    if (planned.plan.leavesUnchanged(file.bytes()))
        return CORVANE_OK;
    return replaceFile(file, planned.plan);
}

}
