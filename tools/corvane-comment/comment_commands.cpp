#include "comment_commands.h"

#include "commentlib/comment_batch.h"
#include "commentlib/comment_file.h"
#include "commentlib/corvane.h"
#include "progress_line.h"
#include "same_file_names.h"
#include "terminal_text.h"
#include "commentlib/utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// A failure, or a note on a file that succeeded: both on standard error, so standard output stays as the
// command defines it.
void tell(const std::string& file, const char* reason)
{
    std::fprintf(stderr, "corvane-comment: %s: %s\n", escapedName(file).c_str(), reason);
}

bool print(const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

int standardOutputStatus()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "corvane-comment: cannot write to standard output: %s\n", std::strerror(errno));
    return 1;
}

std::string textProblem(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return "the text holds a NUL byte, which a comment cannot; nothing was written";
    if (!corvane::utf8::isValid(text))
        return "the text is not valid UTF-8; nothing was written";
    return {};
}

}

int getComments(const std::vector<std::string>& files)
{
    int failed = 0;
    for (const std::string& file : files) {
        std::string comment;
        const int32_t status = corvane::readFileComment(file, comment);
        if (status < 0) {
            tell(file, corvane_strerror(status));
            failed = 1;
            continue;
        }
        if (files.size() > 1 && !print("==> " + escapedName(file) + " <==\n"))
            break;
        if (!print(comment + '\n'))
            break;
    }
    return standardOutputStatus() | failed;
}

int showCaptions(const std::vector<std::string>& files)
{
    int failed = 0;
    for (const std::string& file : files) {
        std::vector<corvane::CaptionField> fields;
        if (const int32_t status = corvane::readFileCaptions(file, fields); status < 0) {
            tell(file, corvane_strerror(status));
            failed = 1;
            continue;
        }
        std::string listing = "==> " + escapedName(file) + " <==\n";
        for (const corvane::CaptionField& field : fields)
            listing += std::string(field.name) + ": " + field.text + '\n';
        if (!print(listing))
            break;
    }
    return standardOutputStatus() | failed;
}

int setComments(const std::string& text, const std::vector<std::string>& files)
{
    if (const std::string problem = textProblem(text); !problem.empty()) {
        std::fprintf(stderr, "corvane-comment: %s\n", problem.c_str());
        return 1;
    }
    // A file named more than once is written under its first name; the others share its outcome.
    const SameFileGroups groups = groupSameFiles(files);
    int failed = 0;
    ProgressLine progress(groups.files.size());
    corvane::CommentBatch batch(text, [&](size_t index, int32_t status) {
        progress.advance();
        const std::vector<size_t>& names = groups.namesOf[index];
        if (status == CORVANE_OK && names.size() == 1)
            return;
        progress.clear();
        for (const size_t name : names) {
            if (status != CORVANE_OK)
                tell(files[name], corvane_strerror(status));
            else if (name != names.front())
                tell(files[name], ("the same file as " + escapedName(files[names.front()]) + ", written once").c_str());
        }
        // A file written with a caption field left out is reported but counts as done.
        failed |= status < CORVANE_OK;
    });
    for (const std::string& file : groups.files)
        batch.add(file);
    batch.finish();
    return failed;
}
