// The caption fields photo managers read, in the order they are consulted, and the one that counts as the
// picture's comment: the first that holds a caption.
#pragma once

#include "commentlib/bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view kImageDescriptionField = "ImageDescription";
inline constexpr std::string_view kXmpDescriptionField = "dc:description";
inline constexpr std::string_view kIptcCaptionField = "Caption-Abstract";
inline constexpr std::string_view kPngDescriptionField = "Description";
inline constexpr std::string_view kCommentField = "Comment";

struct CaptionField {
    std::string_view name;
    std::string text; // UTF-8
};

// Where an EXIF-bearing container (JPEG, TIFF) keeps its captions, as stored.
struct StoredCaptions {
    std::string_view imageDescription;
    std::string_view xmpPacket;
    std::string xmpExtension;     // a JPEG's extended XMP, read where the main packet has no description
    Bytes iptcDatasets;           // a copy: a JPEG's may be joined from several segments
    bool iptcDigestStale = false; // IPTC was changed by a program that left XMP behind: IPTC is read first
};

// ImageDescription, dc:description and Caption-Abstract in reading order.
std::vector<CaptionField> captionFields(const StoredCaptions& stored);
// The first field holding a caption (a camera's placeholder in ImageDescription is none), or a later one
// that holds the whole of a caption the first keeps cut short; null when no field holds a caption.
const CaptionField* chosenField(const std::vector<CaptionField>& fields);
// The chosen field's text; empty when there is none.
std::string chosenCaption(const std::vector<CaptionField>& fields);
// The fields that hold any text at all.
std::vector<CaptionField> filledFields(std::vector<CaptionField> fields);

}
