// Reading the comment text for set from standard input.
#include "standard_input.h"

#include "commentlib/comment_file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

InputText readTextFromStandardInput()
{
    InputText input;
    char block[65536];
    while (true) {
        const ssize_t got = read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, std::string("cannot read the text from standard input: ") + std::strerror(errno)};
        if (got == 0)
            break;
        if (input.text.size() + size_t(got) > corvane::kMaxCommentBytes)
            return {{}, "the text on standard input is longer than the 16 MiB a comment may hold"};
        input.text.append(block, size_t(got));
    }
    return input;
}
