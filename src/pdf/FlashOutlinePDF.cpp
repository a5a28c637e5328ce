#include "pdf/FlashOutlinePDF.h"

#include "base/Log.h"

namespace pw {

namespace {

std::unique_ptr<FlashOutlineItem> entryFor(const PDFOutlineNode& node, std::int32_t level)
{
    auto entry = std::make_unique<FlashOutlineItem>();
    entry->setCaption(node.label);
    entry->setPageIndex(node.destinationPageIndex ? *node.destinationPageIndex + 1 : 0);
    entry->setLevel(level);
    return entry;
}

} // namespace

void FlashOutlinePDF::loadOutlineFromPDF(const std::shared_ptr<PDFDocument>& pdfDoc)
{
    if (!pdfDoc)
        return;
    for (const PDFOutlineNode& node : pdfDoc->outline()) {
        PW_LOG_DEBUG("%s", node.label.c_str());
        FlashOutlineItem* entry = items().emplace_back(entryFor(node, 1)).get();
        addOutelineToItems(*entry, node, 1, pdfDoc);
    }
}

void FlashOutlinePDF::addOutelineToItems(FlashOutlineItem& parent, const PDFOutlineNode& node, std::int32_t level,
                                         const std::shared_ptr<PDFDocument>& pdfDoc)
{
    for (const PDFOutlineNode& child : node.children) {
        FlashOutlineItem* entry = parent.addChild(entryFor(child, level + 1));
        entry->setParent(&parent);
        addOutelineToItems(*entry, child, entry->level(), pdfDoc);
    }
}

} // namespace pw
