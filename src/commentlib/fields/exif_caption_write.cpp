// The description of a lone EXIF block edited under the shared write rule.
#include "commentlib/fields/exif_caption_write.h"

#include "commentlib/fields/camera_placeholder.h"
#include "commentlib/fields/caption_text.h"
#include "commentlib/fields/exif_description.h"
#include "commentlib/fields/exif_description_edit.h"

namespace corvane::exif {

BlockEdit editedBlock(ByteView block, CaptionWrite& write)
{
    const auto directory = parseFirstDirectory(block);
    if (!directory) {
        write.fieldLeftOut();
        return {};
    }
    if (write.text().empty() && !directory->descriptionEntry)
        return {};
    auto changed = write.into([&](std::string_view text) { return withDescription(block, *directory, text); });
    if (changed)
        return {BlockEdit::Outcome::Edited, std::move(*changed)};
    const std::string_view old = descriptionOf(block, *directory);
    const bool stranded = !isBlankCaption(old) && !isCameraPlaceholder(old);
    return {stranded ? BlockEdit::Outcome::Refused : BlockEdit::Outcome::Unchanged, {}};
}

}
