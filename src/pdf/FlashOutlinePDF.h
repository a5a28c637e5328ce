#pragma once

#include <cstdint>
#include <memory>

#include "book/FlashOutline.h"
#include "pdf/PDFDocument.h"

namespace pw {

// The book's outline made from a PDF's bookmarks: one entry per bookmark, same shape and order,
// page numbers of the document (from 1; 0 for a bookmark that leads to no page of it).
class FlashOutlinePDF : public FlashOutline {
public:
    // Appends one top-level entry per top-level bookmark, with its subtree. No document, or one
    // without bookmarks, adds nothing. Errors of the document pass on.
    void loadOutlineFromPDF(const std::shared_ptr<PDFDocument>& pdfDoc);
    // Appends an entry for each child of the node to parent, recursively; level is parent's.
    void addOutelineToItems(FlashOutlineItem& parent, const PDFOutlineNode& node, std::int32_t level,
                            const std::shared_ptr<PDFDocument>& pdfDoc);
};

} // namespace pw
