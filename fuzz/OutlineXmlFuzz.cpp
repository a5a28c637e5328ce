// The outline XML ("ols" of "o" items) as a book's configuration or an outline file holds it.
// Whatever loads must write out and load again to the same tree.

#include "FuzzSupport.h"
#include "base/PagewindException.h"
#include "base/XmlDocument.h"
#include "book/FlashOutline.h"

namespace {

std::optional<std::string> loadAndWrite(std::string_view text)
{
    const std::optional<pw::xml::Document> document = pw::xml::Document::parse(text);
    if (!document || !document->rootElement())
        return std::nullopt;
    pw::FlashOutline outline;
    try {
        outline.loadFromXMLNode(document->rootElement());
    } catch (const pw::PagewindException&) {
        return std::nullopt;
    }
    return pw::xml::Document::withRootElement(outline.outlineAsXMLNode()).xmlData();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    const std::optional<std::string> written = loadAndWrite(pw::fuzz::asText(data, size));
    if (!written)
        return 0;
    const std::optional<std::string> again = loadAndWrite(*written);
    if (!again)
        pw::fuzz::fail("a written outline cannot be read back");
    if (*again != *written)
        pw::fuzz::fail("outline changes when written and read back");
    return 0;
}
