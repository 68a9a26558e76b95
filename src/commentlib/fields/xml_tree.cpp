// One pass records each element's and attribute's offsets and checks that tags close in order by name. A document type,
// a second root element or a '<' in an attribute value makes it refuse the text.
#include "commentlib/fields/xml_tree.h"

namespace corvane::xml {

namespace {

constexpr std::string_view kNameEnds = " \t\r\n/>=";
constexpr std::string_view kSpace = " \t\r\n";

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<std::vector<Element>> run()
    {
        while (true) {
            const size_t open = text_.find('<', pos_);
            if (open == std::string_view::npos)
                break;
            pos_ = open;
            if (!step())
                return std::nullopt;
        }
        if (!open_.empty() || elements_.empty())
            return std::nullopt;
        return std::move(elements_);
    }

private:
    bool step()
    {
        if (lookingAt("<?"))
            return skipPast("?>");
        if (lookingAt("<!--"))
            return skipPast("-->");
        if (lookingAt("<![CDATA["))
            return skipPast("]]>");
        if (lookingAt("<!"))
            return false;
        if (lookingAt("</"))
            return endTag();
        return startTag();
    }

    bool lookingAt(std::string_view what) const { return text_.substr(pos_, what.size()) == what; }

    bool skipPast(std::string_view what)
    {
        const size_t found = text_.find(what, pos_);
        if (found == std::string_view::npos)
            return false;
        pos_ = found + what.size();
        return true;
    }

    void skipSpace()
    {
        pos_ = text_.find_first_not_of(kSpace, pos_);
        if (pos_ == std::string_view::npos)
            pos_ = text_.size();
    }

    std::string_view name()
    {
        const size_t start = pos_;
        pos_ = text_.find_first_of(kNameEnds, pos_);
        if (pos_ == std::string_view::npos)
            pos_ = text_.size();
        return text_.substr(start, pos_ - start);
    }

    bool endTag()
    {
        const size_t start = pos_;
        pos_ += 2;
        const std::string_view closed = name();
        skipSpace();
        if (open_.empty() || pos_ >= text_.size() || text_[pos_] != '>' || elements_[open_.back()].name != closed)
            return false;
        Element& element = elements_[open_.back()];
        element.contentEnd = start;
        element.end = ++pos_;
        open_.pop_back();
        return true;
    }

    std::optional<Attribute> attribute()
    {
        Attribute attribute;
        attribute.begin = pos_;
        attribute.name = name();
        skipSpace();
        if (attribute.name.empty() || pos_ >= text_.size() || text_[pos_] != '=')
            return std::nullopt;
        ++pos_;
        skipSpace();
        if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\''))
            return std::nullopt;
        const size_t close = text_.find(text_[pos_], pos_ + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        attribute.value = text_.substr(pos_ + 1, close - pos_ - 1);
        if (attribute.value.find('<') != std::string_view::npos)
            return std::nullopt;
        attribute.end = pos_ = close + 1;
        return attribute;
    }

    bool startTag()
    {
        Element element;
        element.begin = pos_++;
        element.name = name();
        if (element.name.empty() || (open_.empty() && !elements_.empty()))
            return false;
        while (true) {
            skipSpace();
            if (pos_ >= text_.size())
                return false;
            if (lookingAt("/>") || text_[pos_] == '>')
                break;
            const auto parsed = attribute();
            if (!parsed)
                return false;
            element.attributes.push_back(*parsed);
        }
        element.selfClosing = text_[pos_] == '/';
        pos_ += element.selfClosing ? 2 : 1;
        element.startTagEnd = element.contentEnd = element.end = pos_;
        if (!open_.empty()) {
            element.parent = open_.back();
            elements_[open_.back()].children.push_back(elements_.size());
        }
        if (!element.selfClosing)
            open_.push_back(elements_.size());
        elements_.push_back(std::move(element));
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::vector<Element> elements_;
    std::vector<size_t> open_;
};

std::optional<std::string_view> declared(const Element& element, std::string_view prefix)
{
    for (const Attribute& attribute : element.attributes) {
        const bool declares = prefix.empty() ? attribute.name == "xmlns"
                                             : prefixOf(attribute.name) == "xmlns" && localOf(attribute.name) == prefix;
        if (declares)
            return attribute.value;
    }
    return std::nullopt;
}

}

std::string_view prefixOf(std::string_view name)
{
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

std::string_view localOf(std::string_view name)
{
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::optional<Tree> Tree::parse(std::string_view text)
{
    auto elements = Parser(text).run();
    if (!elements)
        return std::nullopt;
    Tree tree;
    tree.elements_ = std::move(*elements);
    return tree;
}

std::optional<std::string_view> Tree::namespaceOf(size_t element, std::string_view prefix) const
{
    if (prefix == "xml")
        return kXmlNamespace;
    for (std::optional<size_t> at = element; at; at = elements_[*at].parent)
        if (const auto uri = declared(elements_[*at], prefix))
            return uri;
    return std::nullopt;
}

std::optional<std::string_view> Tree::prefixFor(size_t element, std::string_view uri) const
{
    for (std::optional<size_t> at = element; at; at = elements_[*at].parent)
        for (const Attribute& attribute : elements_[*at].attributes) {
            if (prefixOf(attribute.name) != "xmlns" || attribute.value != uri)
                continue;
            const std::string_view prefix = localOf(attribute.name);
            if (namespaceOf(element, prefix) == uri)
                return prefix;
        }
    return std::nullopt;
}

bool Tree::isNamed(size_t element, std::string_view uri, std::string_view local) const
{
    const std::string_view name = elements_[element].name;
    return localOf(name) == local && namespaceOf(element, prefixOf(name)) == uri;
}

bool Tree::attributeIsNamed(size_t element, const Attribute& attribute, std::string_view uri,
                            std::string_view local) const
{
    const std::string_view prefix = prefixOf(attribute.name);
    return !prefix.empty() && localOf(attribute.name) == local && namespaceOf(element, prefix) == uri;
}

}
