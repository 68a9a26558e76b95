// Comments that other programs wrote are not always UTF-8: older cameras, scanners and Windows tools stored
// them in Windows-1252. What the library hands over is always valid UTF-8 and holds no NUL byte.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

std::string fromWindows1252(std::string_view text);
// The text as a caller receives it: up to its first NUL, and read as Windows-1252 when it is not UTF-8.
std::string handedOver(std::string_view stored);

}
