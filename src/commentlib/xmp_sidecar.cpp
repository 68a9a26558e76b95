// Reading and editing a sidecar's text: it is edited in place where its shape is known, else written anew; either way
// the result must parse to the old properties with only the new description (and SidecarForExtension, where added). A
// new one starts from a skeleton marked as ours.
#include "commentlib/xmp_sidecar.h"

#include "commentlib/fields/xmp_prefixes.h"
#include "commentlib/fields/xmp_properties.h"
#include "commentlib/fields/xmp_text_edit.h"

#include <exiv2/error.hpp>
#include <exiv2/properties.hpp>
#include <exiv2/value.hpp>

namespace corvane::xmp {

namespace {

constexpr const char* kDescriptionKey = "Xmp.dc.description";
constexpr const char* kForExtensionKey = "Xmp.photoshop.SidecarForExtension";
constexpr const char* kDefaultLanguage = "x-default";
constexpr std::string_view kForExtension = "SidecarForExtension";
constexpr std::string_view kMark = "SidecarCreator";

std::string skeleton(bool declarePhotoshop)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "  <rdf:Description rdf:about=\"\"\n"
           "    xmlns:corvane=\"" +
           std::string(kCorvaneNamespace) +
           "\"\n"
           "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"" +
           (declarePhotoshop ? "\n    xmlns:photoshop=\"" + std::string(kPhotoshopNamespace) + "\"" : std::string()) +
           ">\n"
           "   <corvane:SidecarCreator>Corvane</corvane:SidecarCreator>\n"
           "  </rdf:Description>\n"
           " </rdf:RDF>\n"
           "</x:xmpmeta>\n";
}

// What exiv2 must read in the edited document.
Properties expectedAfter(const Exiv2::XmpData& data, std::string_view text, std::string_view addedExtension)
{
    Properties expected = propertiesOf(data);
    expected.erase(kDescriptionKey);
    expected.erase(languageKey(kDescriptionKey, kDefaultLanguage));
    if (!text.empty())
        expected[languageKey(kDescriptionKey, kDefaultLanguage)] = std::string(text);
    if (!addedExtension.empty())
        expected[kForExtensionKey] = std::to_string(Exiv2::xmpText) + ':' + std::string(addedExtension) + '\n';
    return expected;
}

bool readsAs(std::string_view document, const Properties& expected)
{
    const auto data = parsed(document);
    return data && propertiesOf(*data) == expected;
}

// The edit made on the text, where the packet has a shape the textual edit knows.
std::optional<std::string> editedText(std::string_view document, bool changeDescription, std::string_view text,
                                      std::string_view addedExtension)
{
    std::string edited(document);
    if (changeDescription) {
        const auto described = editedDescription(edited, text);
        if (!described)
            return std::nullopt;
        edited = *described;
    }
    if (!addedExtension.empty()) {
        const auto recorded =
            withAddedSimpleProperty(edited, kPhotoshopNamespace, "photoshop", kForExtension, addedExtension);
        if (!recorded)
            return std::nullopt;
        edited = *recorded;
    }
    return edited;
}

// The document written anew by exiv2, for a shape the textual edit does not know (a description written as an
// attribute, say); the check that follows still holds every other property to what it was.
std::optional<std::string> reserialized(Exiv2::XmpData data, std::string_view text, std::string_view addedExtension)
{
    try {
        setDefaultDescription(data, text);
        if (!addedExtension.empty())
            data[kForExtensionKey] = std::string(addedExtension);
        if (data.empty())
            return skeleton(false);
        std::string written;
        restoreOwnPrefixes();
        // A file of its own needs neither the wrapper nor the padding a packet inside a picture has.
        const auto format = Exiv2::XmpParser::useCompactFormat | Exiv2::XmpParser::omitPacketWrapper;
        if (Exiv2::XmpParser::encode(written, data, format) != 0)
            return std::nullopt;
        if (!written.empty() && written.back() != '\n')
            written += '\n';
        return written;
    } catch (const Exiv2::AnyError&) {
        return std::nullopt;
    }
}

}

std::optional<SidecarFacts> sidecarFacts(std::string_view document)
{
    const auto data = parsed(document);
    if (!data)
        return std::nullopt;
    SidecarFacts facts;
    facts.holdsNothingElse = true;
    for (const Exiv2::Xmpdatum& datum : *data) {
        const std::string uri = namespaceOf(datum);
        const std::string local = datum.tagName();
        if (uri == kDublinCoreNamespace && local == "description") {
            const auto* alternatives = dynamic_cast<const Exiv2::LangAltValue*>(&datum.value());
            if (!alternatives) {
                facts.description = datum.value().toString();
            } else if (const auto preferred = alternatives->value_.find(kDefaultLanguage);
                       preferred != alternatives->value_.end()) {
                facts.description = preferred->second;
            }
            facts.holdsNothingElse = false;
        } else if (uri == kPhotoshopNamespace && local == kForExtension) {
            facts.forExtension = datum.value().toString();
        } else if (uri == kCorvaneNamespace && local == kMark) {
            facts.madeByUs = true;
        } else {
            facts.holdsNothingElse = false;
        }
    }
    return facts;
}

std::optional<std::string> sidecarWith(std::string_view document, std::string_view text, std::string_view extension)
{
    const auto data = parsed(document);
    const auto facts = sidecarFacts(document);
    if (!data || !facts)
        return std::nullopt;
    const std::string_view added = facts->forExtension.empty() ? extension : std::string_view();
    const Properties expected = expectedAfter(*data, text, added);
    const bool changeDescription = propertiesOf(*data) != expectedAfter(*data, text, {});
    if (!changeDescription && added.empty())
        return std::string(document);
    if (const auto edited = editedText(document, changeDescription, text, added); edited && readsAs(*edited, expected))
        return edited;
    const auto written = reserialized(*data, text, added);
    if (!written || !readsAs(*written, expected))
        return std::nullopt;
    return written;
}

std::optional<std::string> newSidecar(std::string_view text, std::string_view extension)
{
    return sidecarWith(skeleton(!extension.empty()), text, extension);
}

}
