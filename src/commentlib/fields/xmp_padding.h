// The padding of an XMP packet: the white space before its closing `<?xpacket end=...?>`, which writers
// leave so that a later edit can grow or shrink the packet's text and keep its length.
#pragma once

#include <string>
#include <string_view>

namespace corvane::xmp {

// `edited` with its padding grown or shrunk so that it takes `length` bytes where the padding allows; a packet
// without a closing processing instruction, or whose padding runs out, keeps the length it has.
std::string withPaddingFor(std::string edited, size_t length);

}
