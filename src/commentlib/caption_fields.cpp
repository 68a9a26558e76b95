#include "commentlib/caption_fields.h"

#include "commentlib/camera_placeholder.h"
#include "commentlib/caption_text.h"
#include "commentlib/foreign_text.h"
#include "commentlib/iptc_caption.h"
#include "commentlib/xmp_packet.h"

#include <algorithm>

namespace corvane {

std::vector<CaptionField> captionFields(const StoredCaptions& stored)
{
    CaptionField description{kImageDescriptionField, handedOver(stored.imageDescription)};
    CaptionField xmp{kXmpDescriptionField, xmp::descriptionOf(stored.xmpPacket).value_or(std::string())};
    CaptionField iptc{kIptcCaptionField, iptc::captionOf(stored.iptcDatasets)};
    if (stored.iptcDigestStale)
        return {std::move(description), std::move(iptc), std::move(xmp)};
    return {std::move(description), std::move(xmp), std::move(iptc)};
}

std::string chosenCaption(const std::vector<CaptionField>& fields)
{
    for (const CaptionField& field : fields) {
        const bool placeholder = field.name == kImageDescriptionField && isCameraPlaceholder(field.text);
        if (!isBlankCaption(field.text) && !placeholder)
            return field.text;
    }
    return {};
}

std::vector<CaptionField> filledFields(std::vector<CaptionField> fields)
{
    std::erase_if(fields, [](const CaptionField& field) { return isBlankCaption(field.text); });
    return fields;
}

}
