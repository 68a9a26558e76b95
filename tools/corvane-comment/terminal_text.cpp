// Escaping file names as the tool prints them, so a name cannot forge a line of output.
#include "terminal_text.h"

#include <cstdio>

std::string escapedName(std::string_view name)
{
    std::string out;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}
