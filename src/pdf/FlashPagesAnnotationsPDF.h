#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "book/FlashPagesAnnotations.h"
#include "pdf/PDFDocument.h"

namespace pw {

// Turns the link annotations of the imported pages into the "pagesAnnos" element: one
// "pageAnnos" per imported page (the n-th belongs to the book's n-th page), one "anno" per web
// link or link into the document, with its rectangle in fractions of the page size.
class FlashPagesAnnotationsPDF : public FlashPagesAnnotations {
public:
    // Scans every page of the range at once, on the calling thread; the range keeps the same
    // pages as the page source (FlashPageSourcePDF::pageNumbersToImport). Replaces any earlier
    // result. Errors of the document pass on.
    void loadLinksFromPDF(std::shared_ptr<PDFDocument> pdfDoc, const std::string& pageRange);
    // Scans the page at the current position and appends its "pageAnnos".
    void parsePage();

    // The rectangle of a link in fractions of a crop box of width by height points, for the
    // page's rotation; zeros for a rotation that is not a multiple of 90.
    static PDFRect locationOfLink(const PDFRect& bounds, float width, float height, int rotation);

    const std::shared_ptr<PDFDocument>& pdfDoc() const { return iPDFDoc; }
    void setPdfDoc(std::shared_ptr<PDFDocument> doc) { iPDFDoc = std::move(doc); }

private:
    std::vector<std::int32_t> iNeedToImportPages;
    std::shared_ptr<PDFDocument> iPDFDoc;
    std::int32_t iCurrentIndex = 0;
};

} // namespace pw
