// What counts as a caption: a text made only of spaces and NULs is empty, and so are the fixed words cameras
// put into ImageDescription in place of a caption.
#pragma once

#include <string_view>

namespace corvane {

bool isBlankCaption(std::string_view text);
bool isCameraPlaceholder(std::string_view text);

}
