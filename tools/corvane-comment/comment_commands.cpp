// corvane-comment's commands: get, show, set and erase over one or many files, with their messages and
// exit statuses.
#include "comment_commands.h"

#include "commentlib/comment_batch.h"
#include "commentlib/comment_file.h"
#include "commentlib/corvane.h"
#include "commentlib/utf8.h"
#include "progress_line.h"
#include "same_file_names.h"
#include "terminal_text.h"

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

// What a sidecar is to the picture, as `show` says it.
std::string roleText(const corvane::sidecar::Sidecar& sidecar, const std::string& winner)
{
    using corvane::sidecar::Role;
    switch (sidecar.role) {
    case Role::Caption:
        return "counts";
    case Role::Overridden:
        return "not read: " + escapedName(winner) + " names this file exactly";
    case Role::Sibling:
        return "another file's: it is the sidecar of the " + escapedName(sidecar.forExtension) + " file";
    case Role::KeptInStep:
        return "sidecar, kept in step";
    case Role::Unclaimed:
        return "left alone: it names no extension, so it may be a RAW sibling's";
    }
    return {};
}

// The sidecars' lines of `show`; a sidecar that cannot be read is told on standard error, and fails the file
// when it is the one that counts.
std::string sidecarListing(const std::string& file, const std::vector<corvane::sidecar::Sidecar>& sidecars, int& failed)
{
    std::string winner;
    for (const auto& sidecar : sidecars)
        if (sidecar.role == corvane::sidecar::Role::Caption)
            winner = sidecar.path;
    std::string listing;
    for (const auto& sidecar : sidecars) {
        if (sidecar.status != CORVANE_OK) {
            tell(file, (escapedName(sidecar.path) + ": " + corvane_strerror(sidecar.status)).c_str());
            failed |= sidecar.role == corvane::sidecar::Role::Caption;
            continue;
        }
        if (!sidecar.description.empty())
            listing += std::string(corvane::kXmpDescriptionField) + " (" + escapedName(sidecar.path) + ", " +
                       roleText(sidecar, winner) + "): " + sidecar.description + '\n';
    }
    return listing;
}

// The line `set` and `erase` give a camera RAW, naming the sidecar its comment went into.
std::string sidecarNote(bool erasing, const corvane::SidecarWrite& written)
{
    using corvane::sidecar::Change;
    const std::string sidecar = escapedName(written.outcome.path);
    if (!written.raw)
        return {};
    switch (written.outcome.change) {
    case Change::Created:
        return "camera RAW left as it is; comment written to a new sidecar, " + sidecar;
    case Change::Written:
        return erasing ? "camera RAW left as it is; comment erased from its sidecar " + sidecar
                       : "camera RAW left as it is; comment written to its sidecar " + sidecar;
    case Change::Removed:
        return "camera RAW left as it is; its sidecar " + sidecar +
               ", which corvane-comment had made and which held nothing else, was removed";
    case Change::None:
        if (sidecar.empty())
            return "camera RAW left as it is; no sidecar holds a comment for it";
        return erasing ? "camera RAW left as it is; its sidecar " + sidecar + " holds no comment"
                       : "camera RAW left as it is; its sidecar " + sidecar + " holds this comment already";
    }
    return {};
}

// Why a file failed or was written only in part, naming the sidecar where that is where it went wrong.
std::string reason(int32_t status, const corvane::SidecarWrite& written)
{
    std::string text = corvane_strerror(status);
    const bool sidecarAtFault = status == CORVANE_PARTIAL_SIDECAR || (written.raw && status < CORVANE_OK);
    if (sidecarAtFault && !written.outcome.path.empty())
        text += " (" + escapedName(written.outcome.path) + ")";
    return text;
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
        bool raw = false;
        std::vector<corvane::sidecar::Sidecar> sidecars;
        if (const int32_t status = corvane::readFileSidecars(file, raw, sidecars); status < 0) {
            tell(file, corvane_strerror(status));
            failed = 1;
            continue;
        }
        // A camera RAW's caption fields are its sidecars'.
        std::vector<corvane::CaptionField> fields;
        if (const int32_t status = raw ? CORVANE_OK : corvane::readFileCaptions(file, fields); status < 0) {
            tell(file, corvane_strerror(status));
            failed = 1;
            continue;
        }
        std::string listing = "==> " + escapedName(file) + " <==\n";
        for (const corvane::CaptionField& field : fields)
            listing += std::string(field.name) + ": " + field.text + '\n';
        listing += sidecarListing(file, sidecars, failed);
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
    corvane::CommentBatch batch(text, [&](size_t index, int32_t status, const corvane::SidecarWrite& sidecar) {
        progress.advance();
        const std::vector<size_t>& names = groups.namesOf[index];
        const std::string note = status == CORVANE_OK ? sidecarNote(text.empty(), sidecar) : std::string();
        if (status == CORVANE_OK && names.size() == 1 && note.empty())
            return;
        progress.clear();
        for (const size_t name : names) {
            if (status != CORVANE_OK)
                tell(files[name], reason(status, sidecar).c_str());
            else if (name != names.front())
                tell(files[name], ("the same file as " + escapedName(files[names.front()]) + ", written once").c_str());
            else if (!note.empty())
                tell(files[name], note.c_str());
        }
        // A file written with a caption field left out is reported but counts as done.
        failed |= status < CORVANE_OK;
    });
    for (const std::string& file : groups.files)
        batch.add(file);
    batch.finish();
    return failed;
}
