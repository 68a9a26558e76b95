// The caption fields in reading order and the choice among them: ImageDescription, then XMP (its extension standing in
// where the main packet has no description) and IPTC, those two swapped where IPTC's digest no longer matches. Blanks
// and camera placeholders are passed over; an IPTC caption cut at its limit yields to a later field holding it whole.
#include "commentlib/fields/caption_fields.h"

#include "commentlib/fields/camera_placeholder.h"
#include "commentlib/fields/caption_text.h"
#include "commentlib/fields/iptc_caption.h"
#include "commentlib/fields/xmp_packet.h"

#include <algorithm>

namespace corvane {

std::vector<CaptionField> captionFields(const StoredCaptions& stored)
{
    CaptionField description{kImageDescriptionField, std::string(stored.imageDescription)};
    CaptionField xmp{kXmpDescriptionField, xmp::descriptionOf(stored.xmpPacket).value_or(std::string())};
    if (xmp.text.empty())
        xmp.text = xmp::descriptionOf(stored.xmpExtension).value_or(std::string());
    CaptionField iptc{kIptcCaptionField, iptc::captionOf(stored.iptcDatasets)};
    if (stored.iptcDigestStale)
        return {std::move(description), std::move(iptc), std::move(xmp)};
    return {std::move(description), std::move(xmp), std::move(iptc)};
}

namespace {

bool holdsCaption(const CaptionField& field)
{
    const bool placeholder = field.name == kImageDescriptionField && isCameraPlaceholder(field.text);
    return !isBlankCaption(field.text) && !placeholder;
}

// IPTC keeps only the first bytes of a long caption; a field read later (the container's own comment)
// may hold the whole text, and then that is the caption.
bool cutShortBy(const CaptionField& cut, const CaptionField& whole)
{
    const size_t longestCharacter = 4;
    return cut.name == kIptcCaptionField && cut.text.size() + longestCharacter > iptc::kMaxCaptionBytes &&
           whole.text.size() > cut.text.size() && whole.text.starts_with(cut.text);
}

}

const CaptionField* chosenField(const std::vector<CaptionField>& fields)
{
    const auto chosen = std::find_if(fields.begin(), fields.end(), holdsCaption);
    if (chosen == fields.end())
        return nullptr;
    const auto whole =
        std::find_if(chosen + 1, fields.end(), [&](const CaptionField& later) { return cutShortBy(*chosen, later); });
    return whole != fields.end() ? &*whole : &*chosen;
}

std::string chosenCaption(const std::vector<CaptionField>& fields)
{
    const CaptionField* chosen = chosenField(fields);
    return chosen ? chosen->text : std::string();
}

std::vector<CaptionField> filledFields(std::vector<CaptionField> fields)
{
    std::erase_if(fields, [](const CaptionField& field) { return isBlankCaption(field.text); });
    return fields;
}

}
