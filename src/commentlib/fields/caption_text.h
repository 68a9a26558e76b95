// What counts as a caption: a text made only of spaces and NULs is empty.
#pragma once

#include <string_view>

namespace corvane {

bool isBlankCaption(std::string_view text);

}
