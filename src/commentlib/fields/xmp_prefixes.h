// exiv2 names an XMP property by a prefix that stands for its namespace in one registry for the whole process,
// and a packet that binds a prefix to an unknown namespace registers that binding for every later packet. A
// packet declaring dc as some other namespace would make every caption written afterwards land in that
// namespace, where no other program looks. The prefixes our keys use are checked after each parse and given
// back to their namespaces.
#pragma once

namespace corvane::xmp {

// True when the prefixes our keys use still stand for their own namespaces.
bool ownPrefixesHold();
// Gives the prefixes our keys use back to their own namespaces.
void restoreOwnPrefixes();

}
