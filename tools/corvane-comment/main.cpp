#include "command_line.h"
#include "comment_commands.h"

#include <iostream>
#include <iterator>

namespace {

std::string readStandardInput()
{
    std::cin >> std::noskipws;
    return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
}

}

int main(int argc, char** argv)
{
    const Invocation invocation = parseCommandLine({argv + 1, argv + argc});
    if (!invocation.error.empty()) {
        std::cerr << "corvane-comment: " << invocation.error << "\n\n" << usageText();
        return 2;
    }
    switch (invocation.command) {
    case Command::Help:
        std::cout << usageText();
        return 0;
    case Command::Get:
        return getComments(invocation.files);
    case Command::Set:
        return setComments(invocation.text ? *invocation.text : readStandardInput(), invocation.files);
    case Command::Erase:
        return eraseComments(invocation.files);
    }
    return 2;
}
