// A caption write's turn at an EXIF block's ImageDescription, for containers that hold the block on its own:
// the block edited, left as it is, or refused where an old caption could be neither replaced nor removed.
#pragma once

#include "commentlib/bytes.h"
#include "commentlib/fields/caption_write.h"

namespace corvane::exif {

struct BlockEdit {
    enum class Outcome { Unchanged, Edited, Refused };
    Outcome outcome = Outcome::Unchanged;
    Bytes block; // when edited
};

// A block whose directories cannot be walked is left as it is, and the write notes the field as left out.
BlockEdit editedBlock(ByteView block, CaptionWrite& write);

}
