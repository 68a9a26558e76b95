// Reading corvane-comment's command line: the command, its options and its operands.
#include "command_line.h"

#include <algorithm>
#include <string_view>

namespace {

Invocation failure(std::string message)
{
    Invocation invocation;
    invocation.error = std::move(message);
    return invocation;
}

// Words before "--" that look like options are refused rather than taken for file names; after "--"
// every word is an operand. A lone "-" is an operand (standard input for set).
std::optional<std::string> takeOperands(std::vector<std::string>& words)
{
    const auto end = std::find(words.begin(), words.end(), "--");
    const auto option = std::find_if(words.begin(), end,
                                     [](const std::string& word) { return word.size() > 1 && word.front() == '-'; });
    if (option != end)
        return "unknown option '" + *option + "' (put -- before file names that start with '-')";
    if (end != words.end())
        words.erase(end);
    return std::nullopt;
}

constexpr std::string_view kNewSidecarName = "--new-sidecar-name";

// Takes --new-sidecar-name=WHICH out of the words before "--", wherever it stands among them.
std::optional<std::string> takeSidecarNaming(std::vector<std::string>& words, NewSidecarName& naming)
{
    const auto end = std::find(words.begin(), words.end(), "--");
    for (auto word = words.begin(); word != end;) {
        const std::string_view text = *word;
        if (!text.starts_with(kNewSidecarName)) {
            ++word;
            continue;
        }
        const std::string_view value = text.substr(kNewSidecarName.size());
        if (value == "=with-extension")
            naming = NewSidecarName::WithExtension;
        else if (value == "=without-extension")
            naming = NewSidecarName::WithoutExtension;
        else
            return "--new-sidecar-name takes =with-extension or =without-extension, not '" + *word + "'";
        word = words.erase(word);
        return takeSidecarNaming(words, naming);
    }
    return std::nullopt;
}

// `set FILE` and `set - FILE...` take the text from standard input; otherwise the first word is the text.
Invocation parseSet(std::vector<std::string> words)
{
    Invocation invocation;
    invocation.command = Command::Set;
    if (words.empty() || (words.size() == 1 && words.front() == "-"))
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

Invocation parseCommandLine(const std::vector<std::string>& givenArguments)
{
    std::vector<std::string> arguments = givenArguments;
    NewSidecarName naming = NewSidecarName::Default;
    if (const auto error = takeSidecarNaming(arguments, naming))
        return failure(*error);
    if (arguments.empty())
        return failure("no command given");
    const std::string& command = arguments.front();
    std::vector<std::string> words(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help")
        return Invocation{};
    if (command == "--version") {
        Invocation version;
        version.command = Command::Version;
        return version;
    }
    if (command != "get" && command != "show" && command != "set" && command != "erase")
        return failure("unknown command '" + command + "'");
    if (const auto error = takeOperands(words))
        return failure(*error);
    if (command == "set") {
        Invocation invocation = parseSet(std::move(words));
        invocation.newSidecarName = naming;
        return invocation;
    }
    if (words.empty())
        return failure(command + " needs at least one file");
    Invocation invocation;
    invocation.command = command == "get" ? Command::Get : command == "show" ? Command::Show : Command::Erase;
    invocation.newSidecarName = naming;
    invocation.files = std::move(words);
    return invocation;
}

const char* usageText()
{
    return "Usage: corvane-comment COMMAND [OPTION] [--] ARGUMENTS\n"
           "Reads and edits the photo comment of JPEG, PNG, GIF, TIFF (DNG included), WebP, HEIF/HEIC, AVIF,\n"
           "JPEG XL and BMP files, and of camera RAW files through their XMP sidecars.\n"
           "\n"
           "  get FILE...          print each file's comment followed by a newline\n"
           "                       (with several files, each is headed by '==> FILE <==')\n"
           "  show FILE...         print each caption field of each file that holds text, one per line as\n"
           "                       'FIELD: TEXT', so you can see what other programs show and whether the\n"
           "                       fields agree; a sidecar's as 'dc:description (SIDECAR, ROLE): TEXT'\n"
           "  set TEXT FILE...     make TEXT the comment of every FILE; an empty TEXT erases it\n"
           "  set - FILE...        the same, with the text read from standard input, byte for byte\n"
           "  set FILE             the same for one file, text from standard input\n"
           "  erase FILE...        remove the comment of every FILE\n"
           "  --new-sidecar-name=with-extension\n"
           "                       a camera RAW DIR/NAME.EXT without a sidecar gets DIR/NAME.EXT.xmp (the default)\n"
           "  --new-sidecar-name=without-extension\n"
           "                       it gets DIR/NAME.xmp instead, recording EXT as photoshop:SidecarForExtension\n"
           "  --help               show this text\n"
           "  --version            show the program's version\n"
           "  --                   ends the options: every later word is a text or a file name\n"
           "\n"
           "The comment is a caption that other photo programs show too. It is read from the first field that\n"
           "holds one: for JPEG and TIFF, EXIF ImageDescription (not a camera's fixed words such as 'SONY DSC'),\n"
           "XMP dc:description, IPTC Caption-Abstract (before XMP when the IPTC digest shows that IPTC was\n"
           "edited last), then the JPEG COM segment; for PNG, XMP dc:description, then the 'Description' and\n"
           "'Comment' texts; for WebP, HEIF, AVIF and JPEG XL, EXIF ImageDescription, then XMP dc:description;\n"
           "for GIF its comment extension and for BMP our own trailer.\n"
           "set and erase write (or remove) the text in every one of these fields the format has, IPTC only\n"
           "where the file already has IPTC (cut to 2000 bytes). When a JPEG's EXIF or XMP segment cannot hold\n"
           "the text (64 KB), the other fields still get it and that file is reported, with exit status 0.\n"
           "\n"
           "A camera RAW file (NEF, CR2, CR3, ARW, RAF, ORF, RW2, PEF, IIQ and the others, told by content and\n"
           "by name, through a symbolic link too) is never written: its comment is the dc:description of its XMP\n"
           "sidecar. For DIR/NAME.EXT, NAME.EXT.xmp counts when it exists, since it names exactly that file;\n"
           "otherwise NAME.xmp, unless its photoshop:SidecarForExtension names another extension (a JPEG\n"
           "sibling's, say). set writes into the sidecar that counts, or creates NAME.EXT.xmp, and names it on\n"
           "standard error; only the description changes in it. erase deletes a sidecar only when corvane-comment\n"
           "made it and nothing else is left in it. A DNG is written in place, as a TIFF. A picture written in\n"
           "place that has a sidecar of its own (NAME.EXT.xmp, or a NAME.xmp recording EXT) has that sidecar's\n"
           "description kept in step.\n"
           "\n"
           "Texts are UTF-8 and stored exactly as given, line breaks included; a text holding a NUL byte is\n"
           "refused, and so is one longer than 16 MiB.\n"
           "A file is rewritten by writing a new file beside it and renaming it over the old one, so a crash\n"
           "never leaves half a picture. A file with several hard links, or an owner or group a new file could\n"
           "not be given, is written into in place, crash-safe through a copy of the old and the new contents\n"
           "beside it, so every link sees the new contents. A file named more than once (x.jpg ./x.jpg, through\n"
           "a symbolic link, or another hard link) is written once, and its other names are reported as the\n"
           "same file.\n"
           "Files that cannot be read or written are reported on standard error, one line each, and the rest\n"
           "are still done. The exit status is 0 when every file succeeded, 1 when any failed, 2 for a usage\n"
           "error.\n";
}
