// JPEG: the comment lives in COM segments placed after the leading APPn segments. A text longer than one
// segment holds (65533 bytes) is written as consecutive COM segments and read back joined.
#pragma once

#include "editor_result.h"

#include <string_view>

namespace corvane::jpeg {

bool looksLike(ByteView file);
ReadResult readComment(ByteView file);
// An empty text erases every COM segment.
PlanResult planComment(ByteView file, std::string_view text);

}
