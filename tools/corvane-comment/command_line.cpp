#include "command_line.h"

namespace {

Invocation failure(std::string message)
{
    Invocation invocation;
    invocation.error = std::move(message);
    return invocation;
}

// `set FILE` and `set - FILE...` take the text from standard input; otherwise the first word is the text.
Invocation parseSet(std::vector<std::string> words)
{
    Invocation invocation;
    invocation.command = Command::Set;
    if (words.empty())
        return failure("set needs at least one file");
    if (words.size() >= 2) {
        if (words.front() != "-")
            invocation.text = words.front();
        words.erase(words.begin());
    }
    invocation.files = std::move(words);
    return invocation;
}

}

Invocation parseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return failure("no command given");
    const std::string& command = arguments.front();
    std::vector<std::string> words(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help")
        return Invocation{};
    if (command == "set")
        return parseSet(std::move(words));
    if (command != "get" && command != "erase")
        return failure("unknown command '" + command + "'");
    if (words.empty())
        return failure(command + " needs at least one file");
    Invocation invocation;
    invocation.command = command == "get" ? Command::Get : Command::Erase;
    invocation.files = std::move(words);
    return invocation;
}

const char* usageText()
{
    return "Usage: corvane-comment COMMAND ARGUMENTS\n"
           "Reads and edits the photo comment embedded in JPEG, PNG, GIF, TIFF and BMP files.\n"
           "\n"
           "  get FILE...          print each file's comment followed by a newline\n"
           "                       (with several files, each is headed by '==> FILE <==')\n"
           "  set TEXT FILE...     make TEXT the comment of every FILE; an empty TEXT erases it\n"
           "  set - FILE...        the same, with the text read from standard input, byte for byte\n"
           "  set FILE             the same for one file, text from standard input\n"
           "  erase FILE...        remove the comment of every FILE\n"
           "  --help               show this text\n"
           "\n"
           "Texts are UTF-8 and stored exactly as given, line breaks included.\n"
           "The exit status is 0 when every file succeeded, 1 when any failed, 2 for a usage error.\n";
}
