// The header walk, up to the first SOS, notes comments, metadata segments, the multi-picture index and where new COM
// segments go (after the leading APPn run); the scans after it are only searched for COM segments. Stray bytes between
// header segments are skipped, as decoders skip them.
#include "commentlib/jpeg/jpeg_layout.h"

#include <cstring>

namespace corvane::jpeg {

namespace {

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kCom = 0xFE;

bool isApp(uint8_t marker)
{
    return marker >= 0xE0 && marker <= 0xEF;
}
bool isRestart(uint8_t marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}
bool isStandalone(uint8_t marker)
{
    return marker == 0x01 || isRestart(marker);
}

struct Segment {
    uint64_t offset = 0; // of the 0xFF that starts the marker
    uint64_t payload = 0;
    uint64_t end = 0;
    uint8_t marker = 0;
};

class Parser {
public:
    explicit Parser(ByteView file, uint64_t fileSize) : file_(file), prefixOnly_(file.size() < fileSize) {}

    std::optional<Layout> run()
    {
        const Header header = runHeader();
        if (header.status != Header::Status::Complete)
            return std::nullopt;
        walkScans(header.scanStart);
        return layout_;
    }

    Header runHeader()
    {
        Header header;
        if (!startsWith(file_, "\xFF\xD8")) {
            header.status = file_.size() < 2 && prefixOnly_ ? Header::Status::NeedsMoreBytes : Header::Status::Damaged;
            return header;
        }
        uint64_t pos = 2;
        if (!walkHeader(pos)) {
            header.status = ranOut_ && prefixOnly_ ? Header::Status::NeedsMoreBytes : Header::Status::Damaged;
            return header;
        }
        return {Header::Status::Complete, layout_, pos};
    }

private:
    // Where the next marker starts from `pos` between header segments: decoders skip stray bytes up to the
    // next 0xFF that opens one (a 0xFF followed by 0x00 opens none), and so does this walk, keeping the stray
    // bytes where they stand.
    std::optional<uint64_t> markerFrom(uint64_t pos)
    {
        while (pos < file_.size()) {
            const void* found = std::memchr(file_.data() + pos, 0xFF, file_.size() - pos);
            if (!found)
                break;
            pos = static_cast<const uint8_t*>(found) - file_.data();
            uint64_t next = pos + 1;
            while (next < file_.size() && file_[next] == 0xFF)
                ++next;
            if (next >= file_.size())
                break;
            if (file_[next] != 0x00)
                return pos;
            pos = next + 1;
        }
        ranOut_ = true;
        return std::nullopt;
    }

    // Reads the marker (after any fill bytes) and the segment it opens at `pos`.
    std::optional<Segment> segmentAt(uint64_t pos)
    {
        if (!fits(file_.size(), pos, 2))
            return ranOut();
        if (file_[pos] != 0xFF)
            return std::nullopt;
        uint64_t markerPos = pos + 1;
        while (markerPos < file_.size() && file_[markerPos] == 0xFF)
            ++markerPos;
        if (markerPos >= file_.size())
            return ranOut();
        if (file_[markerPos] == 0x00)
            return std::nullopt;
        const uint8_t marker = file_[markerPos];
        if (marker == kSoi || marker == kEoi || isStandalone(marker))
            return Segment{pos, markerPos + 1, markerPos + 1, marker};
        const auto length = readU16(file_, markerPos + 1, Endian::Big);
        if (!length || !fits(file_.size(), markerPos + 1, *length))
            return ranOut();
        if (*length < 2)
            return std::nullopt;
        return Segment{pos, markerPos + 3, markerPos + 1 + *length, marker};
    }

    void noteComment(const Segment& segment)
    {
        layout_.comments.push_back(
            {{segment.offset, segment.end - segment.offset}, {segment.payload, segment.end - segment.payload}});
    }

    void noteHeaderSegment(const Segment& segment)
    {
        if (segment.marker == kCom) {
            noteComment(segment);
            return;
        }
        if (!isApp(segment.marker)) {
            inLeadingApps_ = false;
            return;
        }
        noteMetadataSegment(layout_.metadata, file_, segment.marker, {segment.offset, segment.end - segment.offset},
                            segment.payload);
        if (isMultiPictureIndex(segment.marker, file_.subspan(segment.payload, segment.end - segment.payload)) &&
            !layout_.multiPictureIndex) {
            layout_.multiPictureIndex =
                MultiPictureIndex{{segment.offset, segment.end - segment.offset},
                                  Bytes(file_.begin() + segment.offset, file_.begin() + segment.end)};
            if (inLeadingApps_)
                layout_.insertAt = segment.offset;
            inLeadingApps_ = false;
        }
        if (inLeadingApps_)
            layout_.insertAt = segment.end;
    }

    // Segments from SOI up to and including the first SOS header.
    bool walkHeader(uint64_t& pos)
    {
        while (true) {
            const auto markerPos = markerFrom(pos);
            if (!markerPos)
                return false;
            const auto segment = segmentAt(*markerPos);
            if (!segment || segment->marker == kSoi || segment->marker == kEoi)
                return false;
            noteHeaderSegment(*segment);
            pos = segment->end;
            if (segment->marker == kSos)
                return true;
        }
    }

    // Offset of the next marker that ends entropy-coded data, skipping stuffed zeros and restart markers.
    // A run of fill bytes belongs to the marker it precedes, so the marker's segment starts at the run.
    std::optional<uint64_t> nextMarkerAfterScan(uint64_t pos) const
    {
        while (pos < file_.size()) {
            const void* found = std::memchr(file_.data() + pos, 0xFF, file_.size() - pos);
            if (!found)
                return std::nullopt;
            const uint64_t runStart = static_cast<const uint8_t*>(found) - file_.data();
            uint64_t last = runStart;
            while (last + 1 < file_.size() && file_[last + 1] == 0xFF)
                ++last;
            if (last + 1 >= file_.size())
                return std::nullopt;
            const uint8_t next = file_[last + 1];
            if (next != 0x00 && !isRestart(next))
                return runStart;
            pos = last + 2;
        }
        return std::nullopt;
    }

    // Entropy-coded data and the segments between scans, up to EOI or to where the data is cut short or damaged.
    void walkScans(uint64_t pos)
    {
        while (true) {
            const auto markerPos = nextMarkerAfterScan(pos);
            if (!markerPos)
                return;
            const auto segment = segmentAt(*markerPos);
            if (!segment || segment->marker == kSoi || segment->marker == kEoi)
                return;
            if (segment->marker == kCom)
                noteComment(*segment);
            pos = segment->end;
        }
    }

    // The segment runs past the bytes we have: the end of a file, or of the part read so far.
    std::optional<Segment> ranOut()
    {
        ranOut_ = true;
        return std::nullopt;
    }

    ByteView file_;
    bool prefixOnly_;
    bool ranOut_ = false;
    Layout layout_;
    bool inLeadingApps_ = true;
};

}

std::optional<Layout> parseLayout(ByteView file)
{
    return Parser(file, file.size()).run();
}

Header parseHeader(ByteView prefix, uint64_t fileSize)
{
    return Parser(prefix, fileSize).runHeader();
}

}
