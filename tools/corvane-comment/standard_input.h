// The comment text of `set -`, read from standard input with the same limit the library has.
#pragma once

#include <string>

struct InputText {
    std::string text;
    std::string error; // non-empty when the text cannot be used
};

InputText readTextFromStandardInput();
