#include "comment_file.h"

#include "container.h"
#include "platform/file_replacer.h"
#include "platform/source_file.h"

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

int32_t writeFileComment(const std::string& path, std::string_view text)
{
    if (text.size() > kMaxCommentBytes)
        return CORVANE_E_TOO_LARGE;
    SourceFile file;
    if (const int32_t status = SourceFile::open(path, file); status != CORVANE_OK)
        return status;
    const PlanResult result = planComment(file.bytes(), text);
    if (result.status != CORVANE_OK)
        return result.status;
    if (result.plan.leavesUnchanged(file.bytes()))
        return CORVANE_OK;
    return replaceFile(file, result.plan);
}

}
