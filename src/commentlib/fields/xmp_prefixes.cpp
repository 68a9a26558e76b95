// Checks the process-wide registry for the namespaces of dc and xmpNote, and drops any binding a packet gave those
// prefixes to another namespace.
#include "commentlib/fields/xmp_prefixes.h"

#include "commentlib/fields/xmp_text_edit.h"

#include <exiv2/error.hpp>
#include <exiv2/properties.hpp>

#include <array>
#include <string>
#include <utility>

namespace corvane::xmp {

namespace {

const std::array<std::pair<const char*, std::string_view>, 2> kOwnPrefixes = {{
    {"dc", kDublinCoreNamespace},
    {"xmpNote", kNoteNamespace},
}};

// Empty while nothing has registered the prefix.
std::string namespaceOf(const char* prefix)
{
    try {
        return Exiv2::XmpProperties::ns(prefix);
    } catch (const Exiv2::AnyError&) {
        return {};
    }
}

bool holds(const char* prefix, std::string_view uri)
{
    const std::string registered = namespaceOf(prefix);
    return registered.empty() || registered == uri;
}

}

bool ownPrefixesHold()
{
    for (const auto& [prefix, uri] : kOwnPrefixes)
        if (!holds(prefix, uri))
            return false;
    return true;
}

void restoreOwnPrefixes()
{
    for (const auto& [prefix, uri] : kOwnPrefixes)
        if (!holds(prefix, uri))
            Exiv2::XmpProperties::unregisterNs(namespaceOf(prefix));
}

}
