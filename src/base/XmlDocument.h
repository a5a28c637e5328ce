#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

// The XML operations the book formats need, over libxml2. Documents and detached
// elements own their nodes; Element is a plain view that lives as long as its owner.
namespace pw::xml {

class OwnedElement;

class Element {
public:
    Element() = default;
    explicit Element(_xmlNode* node) : node_(node) {}

    explicit operator bool() const { return node_ != nullptr; }

    std::string name() const;
    // Direct child elements with that name, in document order.
    std::vector<Element> elementsForName(std::string_view name) const;
    // The first direct child element with that name, or a null element.
    Element firstElementForName(std::string_view name) const;
    std::vector<Element> childElements() const;
    std::optional<std::string> attributeForName(std::string_view name) const;
    // All text and CDATA below the element, concatenated, unchanged.
    std::string stringValue() const;

    // Replaces the content with one text node; the text is escaped on output. Here and in
    // addAttribute the text is first made valid for XML (text::xmlSafeText): bytes that are not
    // UTF-8 become U+FFFD, characters XML forbids are dropped.
    void setStringValue(std::string_view text);
    // Appends an attribute after the ones already there.
    void addAttribute(std::string_view name, std::string_view value);
    // Appends a detached element as the last child; returns a view of it.
    Element addChild(OwnedElement child);
    // Appends a new element, with a text when one is given.
    Element addChildElement(std::string_view name);
    Element addChildElement(std::string_view name, std::string_view text);

    // A detached deep copy.
    OwnedElement copy() const;

    _xmlNode* node() const { return node_; }

private:
    _xmlNode* node_ = nullptr;
};

// An element tree that is not (yet) part of a document; freed unless added somewhere.
class OwnedElement {
public:
    explicit OwnedElement(std::string_view name);
    explicit OwnedElement(_xmlNode* adopted);
    OwnedElement(OwnedElement&& other) noexcept : node_(std::move(other.node_)), view_(node_.get())
    {
        other.view_ = Element();
    }
    OwnedElement& operator=(OwnedElement&& other) noexcept
    {
        node_ = std::move(other.node_);
        view_ = Element(node_.get());
        other.view_ = Element();
        return *this;
    }
    ~OwnedElement();

    Element get() const { return view_; }
    Element* operator->() { return &view_; }
    const Element* operator->() const { return &view_; }
    _xmlNode* release()
    {
        view_ = Element();
        return node_.release();
    }

private:
    struct Free {
        void operator()(_xmlNode* node) const;
    };
    std::unique_ptr<_xmlNode, Free> node_;
    Element view_;
};

class Document {
public:
    // A document holding the given root element.
    static Document withRootElement(OwnedElement root);

    // Parses strictly, keeping white space and CDATA; if that fails, once more in libxml2's
    // recover mode. Never loads external entities, DTDs or anything from the network, and
    // refuses documents that declare entities (no expansion bombs). On failure returns none
    // and puts libxml2's message into *error.
    static std::optional<Document> readFile(const std::string& path, std::string* error = nullptr);
    static std::optional<Document> parse(std::string_view text, std::string* error = nullptr);
    // The strict attempt alone, for files of our own: a damaged one is refused, not read in part.
    static std::optional<Document> parseStrictly(std::string_view text, std::string* error = nullptr);
    // True when the text is well-formed XML as a strict parser (a browser's) reads it: no
    // recovery attempt, no entity declarations.
    static bool isWellFormed(std::string_view text);

    Document(Document&&) noexcept = default;
    Document& operator=(Document&&) noexcept = default;
    ~Document();

    Element rootElement() const;

    // UTF-8, with an XML declaration, one element per line, children indented.
    std::string xmlData() const;

private:
    struct Free {
        void operator()(_xmlDoc* doc) const;
    };
    explicit Document(_xmlDoc* doc) : doc_(doc) {}
    std::unique_ptr<_xmlDoc, Free> doc_;
};

} // namespace pw::xml
