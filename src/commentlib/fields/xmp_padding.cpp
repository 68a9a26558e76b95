// An edited packet is brought back to its old length through the spaces before its trailer; the line break just before
// the trailer stays, and a packet that outgrew its padding keeps the length it has.
#include "commentlib/fields/xmp_padding.h"

namespace corvane::xmp {

namespace {

constexpr std::string_view kTrailer = "<?xpacket end=";
constexpr std::string_view kSpace = " \t\r\n";

}

std::string withPaddingFor(std::string edited, size_t length)
{
    const size_t trailer = edited.rfind(kTrailer);
    if (trailer == std::string::npos || trailer == 0 || edited.size() == length)
        return edited;
    // The line break just before the trailer stays; the spaces before it give or take.
    size_t paddingEnd = trailer;
    if (edited[paddingEnd - 1] == '\n')
        --paddingEnd;
    if (edited.size() < length) {
        edited.insert(paddingEnd, length - edited.size(), ' ');
        return edited;
    }
    const size_t last = paddingEnd == 0 ? std::string::npos : edited.find_last_not_of(kSpace, paddingEnd - 1);
    const size_t paddingStart = last == std::string::npos ? 0 : last + 1;
    const size_t taken = std::min(edited.size() - length, paddingEnd - paddingStart);
    edited.erase(paddingEnd - taken, taken);
    return edited;
}

}
