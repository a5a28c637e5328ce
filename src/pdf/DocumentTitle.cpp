#include "pdf/DocumentTitle.h"

#include "base/TextEncoding.h"
#include "base/XmlDocument.h"

namespace pw::pdf {

namespace {

std::optional<std::string> trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::nullopt;
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The first element with that local name, depth first.
xml::Element findElement(const xml::Element& from, std::string_view name)
{
    for (const xml::Element& child : from.childElements()) {
        if (child.name() == name)
            return child;
        if (const xml::Element found = findElement(child, name))
            return found;
    }
    return {};
}

} // namespace

std::optional<std::string> titleFromInfo(std::string_view pdfString)
{
    return trimmed(text::pdfTextToUtf8(pdfString));
}

std::optional<std::string> titleFromXmp(std::string_view packet)
{
    const std::optional<xml::Document> document = xml::Document::parse(packet);
    if (!document)
        return std::nullopt;
    const xml::Element title = findElement(document->rootElement(), "title");
    if (!title)
        return std::nullopt;
    // dc:title is a language alternative: rdf:Alt with one rdf:li per language.
    const xml::Element alternatives = findElement(title, "Alt");
    if (!alternatives)
        return trimmed(title.stringValue());
    const std::vector<xml::Element> items = alternatives.elementsForName("li");
    for (const xml::Element& item : items) {
        // The language attribute is xml:lang; the service knows attributes by local name.
        if (item.attributeForName("lang") == "x-default")
            return trimmed(item.stringValue());
    }
    return items.empty() ? std::nullopt : trimmed(items.front().stringValue());
}

} // namespace pw::pdf
