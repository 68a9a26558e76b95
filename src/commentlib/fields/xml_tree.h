// A light reading of an XML text that keeps where each element and attribute stands in it, so that an edit
// can change one element's text and leave every other byte as it was. It knows as much XML as an XMP packet
// uses: elements, attributes, namespaces, text, comments, processing instructions and CDATA. A document type
// declaration, an end tag that does not match and an unclosed element make the text unreadable.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace corvane::xml {

inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

struct Attribute {
    std::string_view name;  // as written, prefix included
    std::string_view value; // as written, entities not decoded
    size_t begin = 0;       // of its name
    size_t end = 0;         // after its closing quote
};

struct Element {
    std::string_view name;
    std::vector<Attribute> attributes;
    size_t begin = 0;       // its '<'
    size_t startTagEnd = 0; // after the start tag's '>'
    size_t contentEnd = 0;  // the end tag's '<'; the start tag's end for an empty-element tag
    size_t end = 0;         // after the end tag
    bool selfClosing = false;
    std::optional<size_t> parent;
    std::vector<size_t> children;
};

std::string_view prefixOf(std::string_view name);
std::string_view localOf(std::string_view name);

class Tree {
public:
    static std::optional<Tree> parse(std::string_view text);

    const std::vector<Element>& elements() const { return elements_; }
    const Element& at(size_t index) const { return elements_[index]; }

    // The namespace `prefix` stands for at `element`; the default namespace for an empty prefix.
    std::optional<std::string_view> namespaceOf(size_t element, std::string_view prefix) const;
    // A prefix bound to `uri` at `element` (not hidden by a nearer binding of the same prefix).
    std::optional<std::string_view> prefixFor(size_t element, std::string_view uri) const;
    bool isNamed(size_t element, std::string_view uri, std::string_view local) const;
    bool attributeIsNamed(size_t element, const Attribute& attribute, std::string_view uri,
                          std::string_view local) const;

private:
    std::vector<Element> elements_;
};

}
