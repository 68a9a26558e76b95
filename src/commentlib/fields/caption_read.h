// What a container hands over from the fields it read: every field's text as a caller receives it (valid
// UTF-8 up to its first NUL), and the caption of the field that counts (caption_fields.h).
#pragma once

#include "commentlib/editor_result.h"

namespace corvane {

// `fields` as stored, in reading order.
ReadResult captionRead(std::vector<CaptionField> fields);

}
