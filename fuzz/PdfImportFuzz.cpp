// A PDF as the import reads it: open, page boxes and turns, links, bookmarks into the book's
// outline and links, and a small rendering of the first pages.

#include <algorithm>

#include "FuzzSupport.h"
#include "base/PagewindException.h"
#include "pdf/FlashOutlinePDF.h"
#include "pdf/FlashPagesAnnotationsPDF.h"
#include "pdf/PDFDocument.h"

namespace {

// Few pages and few pixels: the fuzzer should spend its time in the parser, not in drawing.
constexpr int kPagesLooked = 3;
constexpr int kMaxSide = 64;

void readPage(const pw::PDFDocument& document, int pageIndex)
{
    const pw::PDFRect bounds = document.displayBounds(pageIndex);
    const int rotation = document.rotation(pageIndex);
    if (rotation < 0 || rotation >= 360)
        pw::fuzz::fail("page turn out of range");
    for (const pw::PDFAnnotation& annotation : document.annotations(pageIndex)) {
        if (annotation.destinationPageIndex &&
            (*annotation.destinationPageIndex < 0 || *annotation.destinationPageIndex >= document.pageCount()))
            pw::fuzz::fail("link to a page the document does not have");
    }
    const float longest = std::max(bounds.width, bounds.height);
    const float scale = longest > 1 ? 48 / longest : 1;
    try {
        const pw::RgbImage image = document.renderPage(pageIndex, scale, kMaxSide);
        if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3)
            pw::fuzz::fail("rendered pixels do not match the picture size");
    } catch (const pw::PagewindException&) {
        // Refused or failed drawing is reported to the user; only a crash is a finding.
    }
}

void importDocument(const std::shared_ptr<pw::PDFDocument>& document)
{
    for (int page = 0; page < std::min(document->pageCount(), kPagesLooked); ++page)
        readPage(*document, page);
    pw::FlashOutlinePDF outline;
    outline.loadOutlineFromPDF(document);
    pw::fuzz::requireWellFormed(pw::xml::Document::withRootElement(outline.outlineAsXMLNode()).xmlData(),
                                "the outline is not well-formed XML");
    pw::FlashPagesAnnotationsPDF links;
    links.loadLinksFromPDF(document, "1-" + std::to_string(kPagesLooked));
    pw::fuzz::requireWellFormed(pw::xml::Document::withRootElement(links.pagesAnnotationsNode().copy()).xmlData(),
                                "the links are not well-formed XML");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    const std::string path = pw::fuzz::scratchPath("input.pdf");
    if (!pw::file::writeFileReplacing(path, pw::fuzz::asText(data, size)))
        pw::fuzz::fail("cannot write the scratch file");
    try {
        if (const std::shared_ptr<pw::PDFDocument> document = pw::PDFDocument::open(path))
            importDocument(document);
    } catch (const pw::PagewindException&) {
        // A damaged PDF is refused with a message; only a crash is a finding.
    }
    pw::file::removeAll(path);
    return 0;
}
