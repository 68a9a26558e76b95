// IPTC captions: the IIM datasets (record 2, dataset 120 Caption-Abstract; record 1, dataset 90 the coded
// character set) and the image resource blocks ("8BIM") that carry them and their MD5 digest (0x0425). A few
// programs add resources under signatures of their own ("MeSa", "PHUT", "AgHg", "DCSR"): they are walked
// past, and their numbers mean nothing here.
#pragma once

#include "commentlib/edit_plan.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::iptc {

inline constexpr uint16_t kIptcResource = 0x0404;
inline constexpr uint16_t kDigestResource = 0x0425;
// Caption-Abstract holds at most this many bytes; a longer caption is stored cut.
inline constexpr size_t kMaxCaptionBytes = 2000;

struct Resource {
    uint16_t id = 0;
    bool standardSignature = false; // "8BIM", whose numbers are the ones above
    SourceRange whole;              // signature to padding, inside the resource list
    SourceRange data;
};

std::vector<Resource> parseResources(ByteView list);
const Resource* findResource(const std::vector<Resource>& resources, uint16_t id);

// True when the list has a digest and it no longer matches the IPTC datasets (as stored, padding and all).
bool digestIsStale(ByteView list, const std::vector<Resource>& resources, ByteView datasets);

// The bytes the datasets take, up to anything that is not one.
uint64_t datasetsLength(ByteView datasets);

// Caption-Abstract in UTF-8: read by the coded character set, Windows-1252 when none is named.
std::string captionOf(ByteView datasets);

// The datasets with `text` as Caption-Abstract (cut to 2000 bytes on a character boundary; an empty text
// removes it). A text that is not ASCII switches the coded character set to UTF-8, and the other text
// datasets of the application record are converted with it.
Bytes datasetsWithCaption(ByteView datasets, std::string_view text);
// The resource list with `datasets` as its IPTC data and, where the list has one, a digest of `stored`: the
// bytes that hold them in the file, which may be padded.
Bytes resourcesWithIptc(ByteView list, const std::vector<Resource>& resources, ByteView datasets, ByteView stored);
Bytes resourcesWithIptc(ByteView list, const std::vector<Resource>& resources, ByteView datasets);

}
