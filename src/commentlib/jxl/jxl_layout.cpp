// The box walk loads every box header and of each payload only what an edit needs: `ftyp`, Exif and XMP (a
// compressed one decompressed), and of any other compressed box its inner type alone. A file whose boxes hold
// no codestream, or whose first boxes are not the signature and `ftyp`, counts as damaged.
#include "commentlib/jxl/jxl_layout.h"

#include "commentlib/jxl/jxl_brotli.h"

#include "commentlib/corvane.h"

#include <algorithm>
#include <array>

namespace corvane::jxl {

namespace {

constexpr std::array kKnownTypes{kFileType, kLevel, kCodestream, kCodestreamPart,
                                 kExif,     kXmp,   kCompressed, kReconstruction};
constexpr uint64_t kInnerType = 4;
constexpr uint64_t kFileTypeSize = 12;

std::string_view knownType(ByteView type)
{
    for (const std::string_view name : kKnownTypes)
        if (startsWith(type, name))
            return name;
    return {};
}

std::string_view metadataType(ByteView type)
{
    return startsWith(type, kExif) ? kExif : startsWith(type, kXmp) ? kXmp : std::string_view{};
}

// The box header at `at`: its type, header size and end. False when it reaches past the file.
bool readHeader(ByteView file, uint64_t at, Box& box)
{
    const auto size = readU32(file, at, Endian::Big);
    if (!size || !fits(file.size(), at, 8))
        return false;
    box.offset = at;
    box.type = knownType(file.subspan(at + 4, 4));
    uint64_t length = *size;
    if (*size == 1) {
        const auto high = readU32(file, at + 8, Endian::Big), low = readU32(file, at + 12, Endian::Big);
        if (!high || !low)
            return false;
        box.headerSize = 16;
        length = uint64_t(*high) << 32 | *low;
    } else if (*size == 0) {
        length = file.size() - at;
    }
    box.end = at + length;
    return length >= box.headerSize && box.end <= file.size();
}

uint64_t neededPayload(const Box& box)
{
    if (box.type == kCompressed)
        return box.size();
    return box.type == kFileType || box.type == kExif || box.type == kXmp ? box.size() : 0;
}

// A compressed box's inner type, and its Exif or XMP decompressed.
int32_t readCompressed(ByteView file, Box& box)
{
    if (box.size() < kInnerType)
        return CORVANE_E_DAMAGED;
    box.inner = metadataType(file.subspan(box.payload(), kInnerType));
    if (box.inner.empty())
        return CORVANE_OK;
    auto payload = unpacked(file.subspan(box.payload() + kInnerType, box.size() - kInnerType));
    if (!payload)
        return CORVANE_E_UNSUPPORTED;
    box.unpacked = std::move(*payload);
    return CORVANE_OK;
}

int32_t walkBoxes(SourceFile& file, Layout& layout)
{
    for (uint64_t at = kSignature.size(); at < file.size();) {
        if (const int32_t status = file.loadRange(at, 16); status != CORVANE_OK)
            return status;
        Box box;
        if (!readHeader(file.whole(), at, box))
            return CORVANE_E_DAMAGED;
        if (const int32_t status = file.loadRange(box.payload(), neededPayload(box)); status != CORVANE_OK)
            return status;
        if (box.type == kCompressed)
            if (const int32_t status = readCompressed(file.whole(), box); status != CORVANE_OK)
                return status;
        at = box.end;
        layout.boxes.push_back(std::move(box));
    }
    return CORVANE_OK;
}

// `ftyp` right after the signature, naming the format, and a codestream in one box or in parts.
bool holdsPicture(const Layout& layout, ByteView file)
{
    if (layout.boxes.empty() || layout.boxes.front().type != kFileType)
        return false;
    const Box& fileType = layout.boxes.front();
    if (fileType.size() < kFileTypeSize || !startsWith(file.subspan(fileType.payload()), "jxl "))
        return false;
    const bool whole = layout.first(kCodestream) != nullptr, parts = layout.first(kCodestreamPart) != nullptr;
    return whole != parts;
}

}

const Box* Layout::firstHolding(std::string_view metadata) const
{
    const auto found =
        std::find_if(boxes.begin(), boxes.end(), [&](const Box& box) { return box.metadata() == metadata; });
    return found == boxes.end() ? nullptr : &*found;
}

size_t Layout::countHolding(std::string_view metadata) const
{
    return size_t(
        std::count_if(boxes.begin(), boxes.end(), [&](const Box& box) { return box.metadata() == metadata; }));
}

const Box* Layout::first(std::string_view type) const
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [&](const Box& box) { return box.type == type; });
    return found == boxes.end() ? nullptr : &*found;
}

uint64_t Layout::codestreamStart() const
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [](const Box& box) {
        return box.type == kCodestream || box.type == kCodestreamPart;
    });
    return found == boxes.end() ? 0 : found->offset;
}

bool looksLike(ByteView first)
{
    return startsWith(first, kSignature) || startsWith(first, kBareCodestream);
}

int32_t parseLayout(SourceFile& file, Layout& layout)
{
    layout = Layout{};
    if (startsWith(file.bytes(), kBareCodestream)) {
        layout.bare = true;
        return CORVANE_OK;
    }
    if (const int32_t status = file.readAnywhere(); status != CORVANE_OK)
        return status;
    if (const int32_t status = walkBoxes(file, layout); status != CORVANE_OK)
        return status;
    return holdsPicture(layout, file.whole()) ? CORVANE_OK : CORVANE_E_DAMAGED;
}

ByteView payloadOf(ByteView file, const Box* box)
{
    if (!box)
        return {};
    if (box->type == kCompressed)
        return box->unpacked;
    return file.subspan(box->payload(), box->size());
}

}
