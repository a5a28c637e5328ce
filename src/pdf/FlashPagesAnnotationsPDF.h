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
// link or link into the document, with its rectangle in fractions of the page picture.
class FlashPagesAnnotationsPDF : public FlashPagesAnnotations {
public:
    // Scans every page of the range at once, on the calling thread; the range keeps the same
    // pages as the page source (FlashPageSourcePDF::pageNumbersToImport). Replaces any earlier
    // result. Errors of the document pass on.
    void loadLinksFromPDF(std::shared_ptr<PDFDocument> pdfDoc, const std::string& pageRange);
    // Scans the page at the current position and appends its "pageAnnos".
    void parsePage();

    // The rectangle of a link in fractions of the page picture: frame is the link where the
    // rendered page shows it (PDFAnnotation::frameBounds), width and height the displayed page
    // size in points. The origin is the picture's top left; a page without area gives zeros.
    static PDFRect locationOfLink(const PDFRect& frame, float width, float height);

    const std::shared_ptr<PDFDocument>& pdfDoc() const { return iPDFDoc; }
    void setPdfDoc(std::shared_ptr<PDFDocument> doc) { iPDFDoc = std::move(doc); }

private:
    std::vector<std::int32_t> iNeedToImportPages;
    std::shared_ptr<PDFDocument> iPDFDoc;
    std::int32_t iCurrentIndex = 0;
};

} // namespace pw
