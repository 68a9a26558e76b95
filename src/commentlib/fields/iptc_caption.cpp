// Datasets are read as UTF-8 only where the block declares it. A caption that needs UTF-8 in a block that does not adds
// the declaration and converts the other text datasets; new datasets go where record and number order puts them.
#include "commentlib/fields/iptc_caption.h"

#include "commentlib/fields/foreign_text.h"
#include "commentlib/fields/md5_digest.h"
#include "commentlib/utf8.h"

#include <algorithm>
#include <array>

namespace corvane::iptc {

namespace {

constexpr uint8_t kTagMarker = 0x1C;
constexpr uint8_t kEnvelope = 1, kApplication = 2;
constexpr uint8_t kCodedCharacterSet = 90, kCaption = 120;
// Application datasets from this number on hold binary data (previews and their descriptions).
constexpr uint8_t kFirstBinaryDataset = 200;
constexpr std::string_view kUtf8Escape = "\x1B%G";
constexpr std::string_view kStandardSignature = "8BIM";
constexpr std::array<std::string_view, 4> kOtherSignatures{"MeSa", "PHUT", "AgHg", "DCSR"};

struct Dataset {
    uint8_t record = 0;
    uint8_t number = 0;
    SourceRange whole;
    SourceRange data;
};

// Standard datasets only: an extended length (high bit set) ends the walk, as nothing we look for uses one.
std::vector<Dataset> parseDatasets(ByteView datasets)
{
    std::vector<Dataset> found;
    uint64_t pos = 0;
    while (pos + 5 <= datasets.size() && datasets[pos] == kTagMarker) {
        const uint16_t length = *readU16(datasets, pos + 3, Endian::Big);
        if ((length & 0x8000) != 0 || !fits(datasets.size(), pos + 5, length))
            break;
        found.push_back({datasets[pos + 1], datasets[pos + 2], {pos, 5u + length}, {pos + 5, length}});
        pos += 5 + length;
    }
    return found;
}

std::string_view textOf(ByteView datasets, const Dataset& dataset)
{
    return asText(datasets.subspan(dataset.data.offset, dataset.data.length));
}

bool declaresUtf8(ByteView datasets, const std::vector<Dataset>& parsed)
{
    return std::any_of(parsed.begin(), parsed.end(), [&](const Dataset& dataset) {
        return dataset.record == kEnvelope && dataset.number == kCodedCharacterSet &&
               textOf(datasets, dataset) == kUtf8Escape;
    });
}

Bytes dataset(uint8_t record, uint8_t number, std::string_view value)
{
    Bytes out{kTagMarker, record, number};
    appendU16(out, uint16_t(value.size()), Endian::Big);
    appendText(out, value);
    return out;
}

bool comesAfter(const Dataset& dataset, uint8_t record, uint8_t number)
{
    return dataset.record > record || (dataset.record == record && dataset.number > number);
}

// A dataset as it goes into the new block: converted to UTF-8 when the block switches to it.
std::string_view keptValue(ByteView datasets, const Dataset& dataset, bool convert, std::string& converted)
{
    const std::string_view value = textOf(datasets, dataset);
    if (!convert || dataset.record != kApplication || dataset.number == 0 || dataset.number >= kFirstBinaryDataset)
        return value;
    converted = fromWindows1252(value);
    return converted.size() <= 0x7FFF ? std::string_view(converted) : value;
}

bool isResourceSignature(ByteView signature)
{
    return startsWith(signature, kStandardSignature) ||
           std::any_of(kOtherSignatures.begin(), kOtherSignatures.end(),
                       [&](std::string_view other) { return startsWith(signature, other); });
}

}

std::vector<Resource> parseResources(ByteView list)
{
    std::vector<Resource> resources;
    uint64_t pos = 0;
    while (fits(list.size(), pos, 12) && isResourceSignature(list.subspan(pos, 4))) {
        const uint16_t id = *readU16(list, pos + 4, Endian::Big);
        const uint64_t nameLength = 1 + list[pos + 6];
        const uint64_t sizeAt = pos + 6 + nameLength + nameLength % 2;
        const auto size = readU32(list, sizeAt, Endian::Big);
        if (!size || !fits(list.size(), sizeAt + 4, *size))
            break;
        const uint64_t end = std::min<uint64_t>(sizeAt + 4 + *size + *size % 2, list.size());
        resources.push_back(
            {id, startsWith(list.subspan(pos), kStandardSignature), {pos, end - pos}, {sizeAt + 4, *size}});
        pos = end;
    }
    return resources;
}

const Resource* findResource(const std::vector<Resource>& resources, uint16_t id)
{
    const auto found = std::find_if(resources.begin(), resources.end(), [&](const Resource& resource) {
        return resource.standardSignature && resource.id == id;
    });
    return found == resources.end() ? nullptr : &*found;
}

bool digestIsStale(ByteView list, const std::vector<Resource>& resources, ByteView datasets)
{
    const Resource* digest = findResource(resources, kDigestResource);
    if (!digest || digest->data.length != kMd5Size)
        return false;
    const Md5 actual = md5Of(datasets);
    return !std::equal(actual.begin(), actual.end(), list.begin() + digest->data.offset);
}

uint64_t datasetsLength(ByteView datasets)
{
    const std::vector<Dataset> parsed = parseDatasets(datasets);
    return parsed.empty() ? 0 : parsed.back().whole.offset + parsed.back().whole.length;
}

std::string captionOf(ByteView datasets)
{
    bool utf8 = false;
    std::string_view caption;
    for (const Dataset& dataset : parseDatasets(datasets)) {
        if (dataset.record == 1 && dataset.number == 90)
            utf8 = textOf(datasets, dataset) == kUtf8Escape;
        if (dataset.record == 2 && dataset.number == 120 && caption.empty())
            caption = textOf(datasets, dataset);
    }
    return utf8 ? handedOver(caption) : fromWindows1252(caption.substr(0, caption.find('\0')));
}

Bytes datasetsWithCaption(ByteView datasets, std::string_view text)
{
    const std::vector<Dataset> parsed = parseDatasets(datasets);
    const std::string_view caption = text.substr(0, utf8::boundaryAtOrBefore(text, kMaxCaptionBytes));
    const bool switchToUtf8 = !utf8::isAscii(caption) && !declaresUtf8(datasets, parsed);
    bool placedCharacterSet = !switchToUtf8, placedCaption = caption.empty();
    Bytes out;
    const auto placeBefore = [&](const Dataset* next) {
        if (!placedCharacterSet && (!next || comesAfter(*next, kEnvelope, kCodedCharacterSet))) {
            const Bytes set = dataset(kEnvelope, kCodedCharacterSet, kUtf8Escape);
            out.insert(out.end(), set.begin(), set.end());
            placedCharacterSet = true;
        }
        if (!placedCaption && (!next || comesAfter(*next, kApplication, kCaption))) {
            const Bytes set = dataset(kApplication, kCaption, caption);
            out.insert(out.end(), set.begin(), set.end());
            placedCaption = true;
        }
    };
    uint64_t end = 0;
    for (const Dataset& current : parsed) {
        placeBefore(&current);
        end = current.whole.offset + current.whole.length;
        const bool replaced = current.record == kApplication && current.number == kCaption;
        const bool oldCharacterSet =
            switchToUtf8 && current.record == kEnvelope && current.number == kCodedCharacterSet;
        if (replaced || oldCharacterSet)
            continue;
        std::string converted;
        const Bytes kept =
            dataset(current.record, current.number, keptValue(datasets, current, switchToUtf8, converted));
        out.insert(out.end(), kept.begin(), kept.end());
    }
    placeBefore(nullptr);
    out.insert(out.end(), datasets.begin() + end, datasets.end());
    return out;
}

Bytes resourcesWithIptc(ByteView list, const std::vector<Resource>& resources, ByteView datasets, ByteView stored)
{
    const Md5 digest = md5Of(stored);
    Bytes out;
    uint64_t copied = 0;
    for (const Resource& resource : resources) {
        if (!resource.standardSignature || (resource.id != kIptcResource && resource.id != kDigestResource))
            continue;
        out.insert(out.end(), list.begin() + copied, list.begin() + resource.data.offset - 4);
        const ByteView value = resource.id == kIptcResource ? datasets : ByteView(digest);
        appendU32(out, uint32_t(value.size()), Endian::Big);
        out.insert(out.end(), value.begin(), value.end());
        if (value.size() % 2 != 0)
            out.push_back(0);
        copied = resource.whole.offset + resource.whole.length;
    }
    out.insert(out.end(), list.begin() + copied, list.end());
    return out;
}

}
