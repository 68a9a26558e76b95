// corvane-comment: reads, shows, sets and erases the comments of picture files from the command line.
#include "command_line.h"
#include "comment_commands.h"
#include "standard_input.h"

#include "commentlib/sidecar_file.h"

#include <cstdio>

namespace {

int setFromStandardInput(const std::vector<std::string>& files)
{
    const InputText input = readTextFromStandardInput();
    if (!input.error.empty()) {
        std::fprintf(stderr, "corvane-comment: %s; nothing was written\n", input.error.c_str());
        return 1;
    }
    return setComments(input.text, files);
}

}

int main(int argc, char** argv)
{
    const Invocation invocation = parseCommandLine({argv + 1, argv + argc});
    if (!invocation.error.empty()) {
        std::fprintf(stderr, "corvane-comment: %s\n\n%s", invocation.error.c_str(), usageText());
        return 2;
    }
    // The tool writes through the library's core, so the core is told, not the shared library.
    if (invocation.newSidecarName != NewSidecarName::Default)
        corvane::sidecar::setNaming(invocation.newSidecarName == NewSidecarName::WithoutExtension
                                        ? corvane::sidecar::Naming::WithoutExtension
                                        : corvane::sidecar::Naming::WithExtension);
    switch (invocation.command) {
    case Command::Help:
        std::fputs(usageText(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case Command::Version:
        std::printf("corvane-comment %s\n", CORVANE_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case Command::Get:
        return getComments(invocation.files);
    case Command::Show:
        return showCaptions(invocation.files);
    case Command::Set:
        return invocation.text ? setComments(*invocation.text, invocation.files)
                               : setFromStandardInput(invocation.files);
    case Command::Erase:
        return setComments({}, invocation.files);
    }
    return 2;
}
