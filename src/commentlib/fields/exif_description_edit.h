// A new ImageDescription written into an existing EXIF block. Nothing any other tag or directory refers to
// moves or changes, even where it shares bytes with the old description or the first directory; the old value
// and directory are blanked where nothing else uses them. A value that fits stays where it is; a longer one
// goes to the end of the block, where the description and directory this edit replaces are cut away first
// when they end it (as after an earlier edit), so the block does not grow with every save. New bytes never go
// where an offset points, even one that points past the end of a damaged block.
#pragma once

#include "commentlib/fields/exif_description.h"

#include <optional>
#include <string_view>

namespace corvane::exif {

// The block with `text` as its description (an empty text removes the tag), or nothing when the block's
// directories cannot be walked or it would outgrow a segment.
std::optional<Bytes> withDescription(ByteView block, const FirstDirectory& directory, std::string_view text);

}
