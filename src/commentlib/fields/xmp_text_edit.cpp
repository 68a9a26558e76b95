// Splices into the packet's text at the offsets its XML reading found, taking the prefixes and indentation around them.
// A new x-default goes first among the alternatives; a text XML 1.0 cannot carry, or an unknown shape, gives nothing.
#include "commentlib/fields/xmp_text_edit.h"

#include "commentlib/fields/xml_tree.h"

#include <algorithm>
#include <cctype>

namespace corvane::xmp {

namespace {

constexpr std::string_view kDefaultLanguage = "x-default";
constexpr std::string_view kSpace = " \t\r\n";

// Element text as XML writes it; nothing for a character XML 1.0 cannot hold. A carriage return is written
// as a reference, since a reader turns a literal one into a line feed.
std::optional<std::string> escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
            out += "&#xD;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n')
                return std::nullopt;
            out += c;
        }
    }
    return out;
}

std::string qualified(std::string_view prefix, std::string_view local)
{
    return prefix.empty() ? std::string(local) : std::string(prefix) + ':' + std::string(local);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct Splice {
    size_t offset = 0;
    size_t length = 0;
    std::string text;
};

struct Property {
    size_t description = 0;                    // the rdf:Description that holds it
    std::optional<size_t> element;             // written as an element
    const xml::Attribute* attribute = nullptr; // or as an attribute of the description
};

class PacketEditor {
public:
    PacketEditor(std::string_view packet, xml::Tree tree) : packet_(packet), tree_(std::move(tree))
    {
        findDescriptions();
    }

    bool hasDescriptions() const { return !descriptions_.empty(); }

    std::optional<Property> find(std::string_view uri, std::string_view local) const
    {
        for (const size_t description : descriptions_) {
            for (const xml::Attribute& attribute : tree_.at(description).attributes)
                if (tree_.attributeIsNamed(description, attribute, uri, local))
                    return Property{description, std::nullopt, &attribute};
            for (const size_t child : tree_.at(description).children)
                if (tree_.isNamed(child, uri, local))
                    return Property{description, child, nullptr};
        }
        return std::nullopt;
    }

    std::optional<std::string> setDescription(std::string_view text)
    {
        const auto found = find(kDublinCoreNamespace, "description");
        if (!found)
            return text.empty() ? std::optional<std::string>(std::string(packet_)) : addDescription(text);
        if (text.empty() && found->attribute)
            return removed(*found);
        if (!found->element)
            return std::nullopt;
        const xml::Element& property = tree_.at(*found->element);
        if (text.empty() && property.children.empty())
            return removed(*found);
        const auto alternatives = alternativesOf(*found->element);
        if (!alternatives)
            return std::nullopt;
        const auto isDefault = [&](size_t li) {
            return languageOf(li) && equalIgnoringCase(*languageOf(li), kDefaultLanguage);
        };
        const auto preferred = std::find_if(alternatives->begin(), alternatives->end(), isDefault);
        if (text.empty()) {
            if (preferred == alternatives->end())
                return std::string(packet_);
            return alternatives->size() == 1 ? removed(*found) : removedElement(*preferred);
        }
        if (preferred != alternatives->end())
            return withElementText(*preferred, text);
        if (alternatives->empty())
            return std::nullopt;
        // A new x-default goes first, where readers look for it.
        const xml::Element& first = tree_.at(alternatives->front());
        const auto item = itemText(tree_.at(property.children.front()).name, text);
        if (!item)
            return std::nullopt;
        return applied({{first.begin, 0, *item + std::string(spaceBefore(first.begin))}});
    }

    std::optional<std::string> setSimple(std::string_view uri, std::string_view local, std::string_view value)
    {
        const auto found = find(uri, local);
        if (!found)
            return value.empty() ? std::optional<std::string>(std::string(packet_)) : std::nullopt;
        if (value.empty())
            return removed(*found);
        if (found->attribute) {
            const auto text = escaped(value);
            if (!text || text->find_first_of("\"'") != std::string::npos)
                return std::nullopt;
            const size_t valueStart = found->attribute->end - 1 - found->attribute->value.size();
            return applied({{valueStart, found->attribute->value.size(), *text}});
        }
        if (!tree_.at(*found->element).children.empty())
            return std::nullopt;
        return withElementText(*found->element, value);
    }

    // A new simple property, unless the packet has it already.
    std::optional<std::string> addSimple(std::string_view uri, std::string_view preferredPrefix, std::string_view local,
                                         std::string_view value) const
    {
        if (find(uri, local))
            return std::nullopt;
        return addProperty(uri, preferredPrefix, local, [&](std::string_view) { return escaped(value); });
    }

private:
    void findDescriptions()
    {
        const auto& elements = tree_.elements();
        for (size_t index = 0; index < elements.size(); ++index) {
            if (!tree_.isNamed(index, kRdfNamespace, "RDF"))
                continue;
            for (const size_t child : elements[index].children)
                if (tree_.isNamed(child, kRdfNamespace, "Description"))
                    descriptions_.push_back(child);
            return;
        }
    }

    // The rdf:li items of a property holding one rdf:Alt; nothing for any other shape.
    std::optional<std::vector<size_t>> alternativesOf(size_t property) const
    {
        const auto& children = tree_.at(property).children;
        if (children.size() != 1 || !tree_.isNamed(children.front(), kRdfNamespace, "Alt"))
            return std::nullopt;
        const auto& items = tree_.at(children.front()).children;
        if (!std::all_of(items.begin(), items.end(),
                         [&](size_t item) { return tree_.isNamed(item, kRdfNamespace, "li"); }))
            return std::nullopt;
        return items;
    }

    std::optional<std::string_view> languageOf(size_t item) const
    {
        for (const xml::Attribute& attribute : tree_.at(item).attributes)
            if (tree_.attributeIsNamed(item, attribute, xml::kXmlNamespace, "lang"))
                return attribute.value;
        return std::nullopt;
    }

    // `<rdf:li xml:lang="x-default">text</rdf:li>` with the prefix the container uses for the RDF namespace.
    std::optional<std::string> itemText(std::string_view containerName, std::string_view text) const
    {
        const auto content = escaped(text);
        if (!content)
            return std::nullopt;
        const std::string li = qualified(xml::prefixOf(containerName), "li");
        return "<" + li + " xml:lang=\"" + std::string(kDefaultLanguage) + "\">" + *content + "</" + li + ">";
    }

    std::optional<std::string> withElementText(size_t index, std::string_view text) const
    {
        const xml::Element& element = tree_.at(index);
        const auto content = escaped(text);
        if (!content || !element.children.empty())
            return std::nullopt;
        if (element.selfClosing)
            return applied({{element.startTagEnd - 2, 2, ">" + *content + "</" + std::string(element.name) + ">"}});
        const std::string_view old = packet_.substr(element.startTagEnd, element.contentEnd - element.startTagEnd);
        if (old.find('<') != std::string_view::npos)
            return std::nullopt;
        return applied({{element.startTagEnd, old.size(), *content}});
    }

    // A new dc:description in the description that already names the Dublin Core namespace, else the first.
    std::optional<std::string> addDescription(std::string_view text) const
    {
        return addProperty(kDublinCoreNamespace, "dc", "description",
                           [&](std::string_view descriptionName) -> std::optional<std::string> {
                               const auto item = itemText(descriptionName, text);
                               if (!item)
                                   return std::nullopt;
                               const std::string alt = qualified(xml::prefixOf(descriptionName), "Alt");
                               return "<" + alt + ">" + *item + "</" + alt + ">";
                           });
    }

    // A new property element, its content made for the description it goes into, in the description that
    // already names the property's namespace, else the first; the namespace is declared on the element itself
    // where no prefix stands for it.
    template<typename Content>
    std::optional<std::string> addProperty(std::string_view uri, std::string_view preferredPrefix,
                                           std::string_view local, const Content& content) const
    {
        if (descriptions_.empty())
            return std::nullopt;
        const auto named = std::find_if(descriptions_.begin(), descriptions_.end(),
                                        [&](size_t index) { return tree_.prefixFor(index, uri).has_value(); });
        const size_t holder = named == descriptions_.end() ? descriptions_.front() : *named;
        const xml::Element& description = tree_.at(holder);
        const auto inner = content(description.name);
        if (!inner)
            return std::nullopt;
        const auto prefix = tree_.prefixFor(holder, uri);
        const std::string name = qualified(prefix.value_or(preferredPrefix), local);
        const std::string declaration =
            prefix ? std::string() : " xmlns:" + std::string(preferredPrefix) + "=\"" + std::string(uri) + "\"";
        const std::string property = "<" + name + declaration + ">" + *inner + "</" + name + ">";
        const std::string indent(indentOf(description.begin));
        if (description.selfClosing)
            return applied(
                {{description.startTagEnd - 2, 2,
                  ">\n" + indent + " " + property + "\n" + indent + "</" + std::string(description.name) + ">"}});
        if (description.children.empty())
            return applied({{description.startTagEnd, 0, "\n" + indent + " " + property}});
        const xml::Element& last = tree_.at(description.children.back());
        return applied({{last.end, 0, std::string(spaceBefore(last.begin)) + property}});
    }

    std::optional<std::string> removed(const Property& property) const
    {
        if (property.element)
            return removedElement(*property.element);
        const size_t start = packet_.find_last_not_of(kSpace, property.attribute->begin - 1) + 1;
        return applied({{start, property.attribute->end - start, {}}});
    }

    std::optional<std::string> removedElement(size_t index) const
    {
        const xml::Element& element = tree_.at(index);
        const size_t start = element.begin - spaceBefore(element.begin).size();
        return applied({{start, element.end - start, {}}});
    }

    // The white space just before `offset`.
    std::string_view spaceBefore(size_t offset) const
    {
        if (offset == 0)
            return {};
        const size_t last = packet_.find_last_not_of(kSpace, offset - 1);
        const size_t start = last == std::string_view::npos ? 0 : last + 1;
        return packet_.substr(start, offset - start);
    }

    // The spaces and tabs that open the line of `offset`.
    std::string_view indentOf(size_t offset) const
    {
        const std::string_view space = spaceBefore(offset);
        const size_t lineStart = space.find_last_of("\r\n");
        return lineStart == std::string_view::npos ? space : space.substr(lineStart + 1);
    }

    std::string applied(const std::vector<Splice>& splices) const
    {
        std::string out(packet_);
        for (auto splice = splices.rbegin(); splice != splices.rend(); ++splice)
            out.replace(splice->offset, splice->length, splice->text);
        return out;
    }

    std::string_view packet_;
    xml::Tree tree_;
    std::vector<size_t> descriptions_;
};

std::optional<PacketEditor> editorOf(std::string_view packet)
{
    auto tree = xml::Tree::parse(packet);
    if (!tree)
        return std::nullopt;
    PacketEditor editor(packet, std::move(*tree));
    if (!editor.hasDescriptions())
        return std::nullopt;
    return editor;
}

}

std::optional<std::string> editedDescription(std::string_view packet, std::string_view text)
{
    auto editor = editorOf(packet);
    return editor ? editor->setDescription(text) : std::nullopt;
}

std::optional<std::string> editedSimpleProperty(std::string_view packet, std::string_view uri, std::string_view local,
                                                std::string_view value)
{
    auto editor = editorOf(packet);
    return editor ? editor->setSimple(uri, local, value) : std::nullopt;
}

std::optional<std::string> withAddedSimpleProperty(std::string_view packet, std::string_view uri,
                                                   std::string_view preferredPrefix, std::string_view local,
                                                   std::string_view value)
{
    auto editor = editorOf(packet);
    return editor ? editor->addSimple(uri, preferredPrefix, local, value) : std::nullopt;
}

}
