// A proprietary RAW is told by a signature in its first bytes, or else by a walk of its TIFF directories (sub-images
// too) for a raw photometric or compression value or a tag only sensor data carries; DNGVersion in the first directory
// marks a DNG. By name, the extension is compared without case against a fixed list.
#include "commentlib/camera_raw.h"

#include "commentlib/corvane.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

namespace corvane::raw {

namespace {

constexpr uint64_t kEntrySize = 12;
constexpr size_t kMaxDirectories = 256;
constexpr size_t kMaxSubImageDepth = 4;

constexpr uint16_t kCompression = 259, kPhotometric = 262, kSubImages = 330, kDngVersion = 50706;
constexpr uint16_t kShort = 3, kLong = 4, kIfd = 13;

constexpr std::array<uint32_t, 2> kRawPhotometrics = {32803, 34892};
constexpr std::array<uint32_t, 9> kRawCompressions = {262, 32767, 32769, 32770, 32772, 32867, 34713, 65000, 65535};
// CFARepeatPatternDim, CFAPattern, DNGPrivateData, CR2CFAPattern, RawImageSegmentation (CR2 slices), and Sony's
// SonyRawFileType, SonyToneCurve and lens corrections of its ARW files.
constexpr std::array<uint16_t, 13> kRawTags = {33421,  33422,  50740,  50656,  50752,  0x7000, 0x7010,
                                               0x7031, 0x7032, 0x7034, 0x7035, 0x7036, 0x7037};

constexpr std::array<std::string_view, 23> kRawExtensions = {"nef", "nrw", "cr2", "cr3", "crw", "arw", "sr2", "srf",
                                                             "raf", "orf", "rw2", "rwl", "pef", "srw", "3fr", "iiq",
                                                             "erf", "mrw", "x3f", "kdc", "dcr", "mef", "mos"};

bool hasAt(ByteView file, size_t offset, std::string_view signature)
{
    return fits(file.size(), offset, signature.size()) && startsWith(file.subspan(offset), signature);
}

// The signatures that settle the question from the first bytes.
std::optional<Kind> kindBySignature(ByteView head)
{
    constexpr std::string_view kNonTiff[] = {"FUJIFILMCCD-RAW", {"\0MRM", 4}, "FOVb", {"II\x1A\0\0\0HEAPCCDR", 14}};
    constexpr std::string_view kOwnMagic[] = {"IIRO", "IIRS", "MMOR", {"IIU\0", 4}};
    for (const std::string_view signature : kNonTiff)
        if (startsWith(head, signature))
            return Kind::Proprietary;
    if (hasAt(head, 4, "ftypcrx "))
        return Kind::Proprietary;
    for (const std::string_view magic : kOwnMagic)
        if (startsWith(head, magic))
            return Kind::Proprietary;
    if (!startsWith(head, {"II*\0", 4}) && !startsWith(head, {"MM\0*", 4}))
        return Kind::None;
    // A maker's signature between the header and the first directory (so not part of that directory).
    const Endian endian = head[0] == 'I' ? Endian::Little : Endian::Big;
    const auto first = readU32(head, 4, endian);
    if (first && *first >= 12 && (hasAt(head, 8, {"CR\x02\0", 4}) || hasAt(head, 8, "\xBA\xB0\xAC\xBB")))
        return Kind::Proprietary;
    if (first && *first >= 16 && (hasAt(head, 8, "IIII") || hasAt(head, 8, "MMMM")))
        return Kind::Proprietary;
    return std::nullopt;
}

// Makes [offset, offset + length) of the file readable in the view, as far as the file reaches.
using Reach = std::function<int32_t(uint64_t offset, uint64_t length)>;

struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint64_t offset = 0;
};

// Walks a TIFF's directories for the marks of sensor data.
class Scanner {
public:
    Scanner(ByteView file, Reach reach) : file_(file), reach_(std::move(reach))
    {
        endian_ = startsWith(file_, "II") ? Endian::Little : Endian::Big;
    }

    int32_t status() const { return status_; }

    Kind run()
    {
        const auto first = u32(4);
        if (!first)
            return Kind::None;
        const auto firstDirectory = directory(*first);
        if (!firstDirectory)
            return Kind::None;
        if (find(*firstDirectory, kDngVersion))
            return Kind::Dng;
        std::unordered_set<uint64_t> chain;
        for (uint64_t offset = *first; offset != 0 && chain.insert(offset).second && chain.size() <= kMaxDirectories;) {
            const auto entries = directory(offset);
            if (!entries)
                break;
            if (holdsRaw(*entries, 0))
                return Kind::Proprietary;
            const auto next = u32(offset + 2 + entries->size() * kEntrySize);
            offset = next.value_or(0);
        }
        return Kind::None;
    }

private:
    std::optional<uint16_t> u16(uint64_t offset)
    {
        return reached(offset, 2) ? readU16(file_, offset, endian_) : std::nullopt;
    }
    std::optional<uint32_t> u32(uint64_t offset)
    {
        return reached(offset, 4) ? readU32(file_, offset, endian_) : std::nullopt;
    }

    bool reached(uint64_t offset, uint64_t length)
    {
        if (status_ != CORVANE_OK || !fits(file_.size(), offset, length))
            return false;
        status_ = reach_(offset, length);
        return status_ == CORVANE_OK;
    }

    std::optional<std::vector<Entry>> directory(uint64_t offset)
    {
        if (++directories_ > kMaxDirectories)
            return std::nullopt;
        const auto count = u16(offset);
        if (!count || *count == 0 || !reached(offset, 2 + *count * kEntrySize + 4))
            return std::nullopt;
        std::vector<Entry> entries;
        for (uint64_t i = 0; i < *count; ++i) {
            const uint64_t at = offset + 2 + i * kEntrySize;
            entries.push_back({*u16(at), *u16(at + 2), *u32(at + 4), at});
        }
        return entries;
    }

    static const Entry* find(const std::vector<Entry>& entries, uint16_t tag)
    {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.tag == tag; });
        return found == entries.end() ? nullptr : &*found;
    }

    // The index-th value of a SHORT, LONG or IFD entry.
    std::optional<uint32_t> value(const Entry& entry, uint32_t index)
    {
        const uint64_t size = entry.type == kShort ? 2 : entry.type == kLong || entry.type == kIfd ? 4 : 0;
        if (size == 0 || index >= entry.count)
            return std::nullopt;
        uint64_t at = entry.offset + 8;
        if (size * entry.count > 4) {
            const auto pointed = u32(entry.offset + 8);
            if (!pointed)
                return std::nullopt;
            at = *pointed;
        }
        at += size * index;
        return size == 2 ? std::optional<uint32_t>(u16(at)) : u32(at);
    }

    bool holdsRaw(const std::vector<Entry>& entries, size_t depth)
    {
        for (const Entry& entry : entries) {
            if (std::find(kRawTags.begin(), kRawTags.end(), entry.tag) != kRawTags.end())
                return true;
            const auto first = entry.tag == kPhotometric || entry.tag == kCompression ? value(entry, 0) : std::nullopt;
            if (entry.tag == kPhotometric && first &&
                std::find(kRawPhotometrics.begin(), kRawPhotometrics.end(), *first) != kRawPhotometrics.end())
                return true;
            if (entry.tag == kCompression && first &&
                std::find(kRawCompressions.begin(), kRawCompressions.end(), *first) != kRawCompressions.end())
                return true;
        }
        const Entry* subImages = find(entries, kSubImages);
        if (!subImages || depth >= kMaxSubImageDepth)
            return false;
        for (uint32_t i = 0; i < subImages->count && directories_ < kMaxDirectories; ++i) {
            const auto offset = value(*subImages, i);
            if (!offset || !visited_.insert(*offset).second)
                continue;
            if (const auto sub = directory(*offset); sub && holdsRaw(*sub, depth + 1))
                return true;
        }
        return false;
    }

    ByteView file_;
    Reach reach_;
    Endian endian_;
    int32_t status_ = CORVANE_OK;
    size_t directories_ = 0;
    std::unordered_set<uint64_t> visited_;
};

}

Kind kindOf(ByteView file)
{
    if (const auto kind = kindBySignature(file))
        return *kind;
    return Scanner(file, [](uint64_t, uint64_t) { return int32_t(CORVANE_OK); }).run();
}

int32_t kindOf(SourceFile& file, Kind& kind)
{
    if (const auto known = kindBySignature(file.bytes())) {
        kind = *known;
        return CORVANE_OK;
    }
    if (const int32_t status = file.readAnywhere(); status != CORVANE_OK)
        return status;
    Scanner scanner(file.whole(), [&](uint64_t offset, uint64_t length) { return file.loadRange(offset, length); });
    kind = scanner.run();
    return scanner.status();
}

std::string_view extensionOf(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view() : fileName.substr(dot + 1);
}

std::string_view stemOf(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool hasRawExtension(std::string_view fileName)
{
    const std::string_view extension = extensionOf(fileName);
    return std::any_of(kRawExtensions.begin(), kRawExtensions.end(),
                       [&](std::string_view raw) { return equalIgnoringCase(extension, raw); });
}

}
