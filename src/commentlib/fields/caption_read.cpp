// Every field's text is cleaned for the caller before the caption is chosen, so the caption is a cleaned text too.
#include "commentlib/fields/caption_read.h"

#include "commentlib/fields/foreign_text.h"

namespace corvane {

ReadResult captionRead(std::vector<CaptionField> fields)
{
    for (CaptionField& field : fields)
        field.text = handedOver(field.text);
    std::string caption = chosenCaption(fields);
    return {CORVANE_OK, std::move(caption), std::move(fields)};
}

}
