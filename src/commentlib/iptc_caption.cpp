#include "iptc_caption.h"

#include "foreign_text.h"
#include "md5_digest.h"

#include <algorithm>

namespace corvane::iptc {

namespace {

constexpr uint8_t kTagMarker = 0x1C;
constexpr std::string_view kUtf8Escape = "\x1B%G";

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

}

std::vector<Resource> parseResources(ByteView list)
{
    std::vector<Resource> resources;
    uint64_t pos = 0;
    while (fits(list.size(), pos, 12) && startsWith(list.subspan(pos), "8BIM")) {
        const uint16_t id = *readU16(list, pos + 4, Endian::Big);
        const uint64_t nameLength = 1 + list[pos + 6];
        const uint64_t sizeAt = pos + 6 + nameLength + nameLength % 2;
        const auto size = readU32(list, sizeAt, Endian::Big);
        if (!size || !fits(list.size(), sizeAt + 4, *size))
            break;
        const uint64_t end = std::min<uint64_t>(sizeAt + 4 + *size + *size % 2, list.size());
        resources.push_back({id, {pos, end - pos}, {sizeAt + 4, *size}});
        pos = end;
    }
    return resources;
}

const Resource* findResource(const std::vector<Resource>& resources, uint16_t id)
{
    const auto found =
        std::find_if(resources.begin(), resources.end(), [&](const Resource& resource) { return resource.id == id; });
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

}
