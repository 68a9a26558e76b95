// File names as the tool prints them: control characters and backslashes escaped, so a newline in a name
// cannot forge a line of output or of an error message.
#pragma once

#include <string>
#include <string_view>

std::string escapedName(std::string_view name);
