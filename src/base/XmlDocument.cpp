#include "base/XmlDocument.h"

#include <mutex>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include "base/FileUtil.h"
#include "base/TextEncoding.h"

namespace pw::xml {
namespace {

const xmlChar* toXml(const std::string& text)
{
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

std::string fromXml(const xmlChar* text)
{
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

std::string takeXmlString(xmlChar* text)
{
    std::string result = fromXml(text);
    xmlFree(text);
    return result;
}

xmlParserInputPtr refuseExternalEntity(const char*, const char*, xmlParserCtxtPtr)
{
    return nullptr;
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        // Nothing outside the text given to the parser is ever read.
        xmlSetExternalEntityLoader(refuseExternalEntity);
    });
}

bool declaresEntities(xmlDocPtr doc)
{
    for (xmlDtdPtr dtd : {doc->intSubset, doc->extSubset}) {
        if (!dtd)
            continue;
        for (xmlNodePtr node = dtd->children; node; node = node->next) {
            if (node->type == XML_ENTITY_DECL)
                return true;
        }
    }
    return false;
}

std::string trimmedMessage(const xmlError* error)
{
    if (!error || !error->message)
        return "unknown XML error";
    std::string message = error->message;
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    if (error->line > 0)
        message = "line " + std::to_string(error->line) + ": " + message;
    return message;
}

xmlDocPtr parseOnce(std::string_view text, const char* url, int options, std::string* error)
{
    std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> context(xmlNewParserCtxt(),
                                                                         xmlFreeParserCtxt);
    if (!context) {
        *error = "out of memory";
        return nullptr;
    }
    xmlDocPtr doc = xmlCtxtReadMemory(context.get(), text.data(), static_cast<int>(text.size()), url,
                                      nullptr, options);
    if (doc && (!context->wellFormed && !(options & XML_PARSE_RECOVER))) {
        xmlFreeDoc(doc);
        doc = nullptr;
    }
    if (doc && !xmlDocGetRootElement(doc)) {
        xmlFreeDoc(doc);
        doc = nullptr;
    }
    if (!doc)
        *error = trimmedMessage(xmlCtxtGetLastError(context.get()));
    return doc;
}

} // namespace

// ---- Element ----

std::string Element::name() const
{
    return node_ ? fromXml(node_->name) : std::string();
}

std::vector<Element> Element::elementsForName(std::string_view name) const
{
    std::vector<Element> result;
    if (!node_)
        return result;
    for (xmlNodePtr child = node_->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && fromXml(child->name) == name)
            result.emplace_back(child);
    }
    return result;
}

Element Element::firstElementForName(std::string_view name) const
{
    if (!node_)
        return {};
    for (xmlNodePtr child = node_->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && fromXml(child->name) == name)
            return Element(child);
    }
    return {};
}

std::vector<Element> Element::childElements() const
{
    std::vector<Element> result;
    if (!node_)
        return result;
    for (xmlNodePtr child = node_->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            result.emplace_back(child);
    }
    return result;
}

std::optional<std::string> Element::attributeForName(std::string_view name) const
{
    if (!node_)
        return std::nullopt;
    for (xmlAttrPtr attribute = node_->properties; attribute; attribute = attribute->next) {
        if (fromXml(attribute->name) == name)
            return takeXmlString(xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute)));
    }
    return std::nullopt;
}

std::string Element::stringValue() const
{
    return node_ ? takeXmlString(xmlNodeGetContent(node_)) : std::string();
}

void Element::setStringValue(std::string_view text)
{
    if (!node_)
        return;
    while (node_->children) {
        xmlNodePtr child = node_->children;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    // A plain text node: the text is taken as it is, not parsed for entity references, but
    // cleaned, so that whatever the input the document stays well-formed.
    const std::string safe = text::xmlSafeText(text);
    xmlNodePtr textNode = xmlNewTextLen(toXml(safe), static_cast<int>(safe.size()));
    xmlAddChild(node_, textNode);
}

void Element::addAttribute(std::string_view name, std::string_view value)
{
    if (!node_)
        return;
    xmlNewProp(node_, toXml(std::string(name)), toXml(text::xmlSafeText(value)));
}

Element Element::addChild(OwnedElement child)
{
    if (!node_)
        return {};
    xmlNodePtr added = xmlAddChild(node_, child.release());
    return Element(added);
}

Element Element::addChildElement(std::string_view name)
{
    return addChild(OwnedElement(name));
}

Element Element::addChildElement(std::string_view name, std::string_view text)
{
    Element child = addChildElement(name);
    child.setStringValue(text);
    return child;
}

OwnedElement Element::copy() const
{
    return OwnedElement(node_ ? xmlCopyNode(node_, 1) : nullptr);
}

// ---- OwnedElement ----

OwnedElement::OwnedElement(std::string_view name)
    : node_(xmlNewNode(nullptr, toXml(std::string(name)))), view_(node_.get())
{
}

OwnedElement::OwnedElement(_xmlNode* adopted) : node_(adopted), view_(adopted) {}

OwnedElement::~OwnedElement() = default;

void OwnedElement::Free::operator()(_xmlNode* node) const
{
    xmlFreeNode(node);
}

// ---- Document ----

void Document::Free::operator()(_xmlDoc* doc) const
{
    xmlFreeDoc(doc);
}

Document::~Document() = default;

Document Document::withRootElement(OwnedElement root)
{
    initialiseOnce();
    xmlDocPtr doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    xmlDocSetRootElement(doc, root.release());
    return Document(doc);
}

std::optional<Document> Document::parse(std::string_view text, std::string* error)
{
    initialiseOnce();
    std::string ignored;
    std::string& message = error ? *error : ignored;
    // No XML_PARSE_NOENT (entities are never substituted), no DTD loading, no network.
    const int quiet = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDocPtr doc = parseOnce(text, nullptr, quiet, &message);
    if (!doc) {
        // Recovery keeps invalid UTF-8 as raw bytes, which would then be written out as
        // broken text; the tidying attempt reads a copy with such bytes replaced.
        const std::string tidied = text::replaceInvalidUtf8(text);
        std::string recoverMessage;
        doc = parseOnce(tidied, nullptr, quiet | XML_PARSE_RECOVER, &recoverMessage);
    }
    if (!doc)
        return std::nullopt;
    if (declaresEntities(doc)) {
        xmlFreeDoc(doc);
        message = "entity declarations are not accepted";
        return std::nullopt;
    }
    return Document(doc);
}

std::optional<Document> Document::parseStrictly(std::string_view text, std::string* error)
{
    initialiseOnce();
    std::string ignored;
    std::string& message = error ? *error : ignored;
    xmlDocPtr doc = parseOnce(text, nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING, &message);
    if (!doc)
        return std::nullopt;
    if (declaresEntities(doc)) {
        xmlFreeDoc(doc);
        message = "entity declarations are not accepted";
        return std::nullopt;
    }
    return Document(doc);
}

bool Document::isWellFormed(std::string_view text)
{
    initialiseOnce();
    std::string ignored;
    xmlDocPtr doc = parseOnce(text, nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING, &ignored);
    const bool wellFormed = doc && !declaresEntities(doc);
    xmlFreeDoc(doc);
    return wellFormed;
}

std::optional<Document> Document::readFile(const std::string& path, std::string* error)
{
    std::optional<std::string> content = file::readFile(path);
    if (!content) {
        if (error)
            *error = "cannot read " + path;
        return std::nullopt;
    }
    return parse(*content, error);
}

Element Document::rootElement() const
{
    return Element(doc_ ? xmlDocGetRootElement(doc_.get()) : nullptr);
}

std::string Document::xmlData() const
{
    if (!doc_)
        return {};
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc_.get(), &buffer, &size, "UTF-8", 1);
    std::string result(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
    xmlFree(buffer);
    return result;
}

} // namespace pw::xml
