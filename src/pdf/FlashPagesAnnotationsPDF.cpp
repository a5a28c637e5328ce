#include "pdf/FlashPagesAnnotationsPDF.h"

#include "base/Log.h"
#include "base/NumberText.h"
#include "pdf/FlashPageSourcePDF.h"

namespace pw {

namespace {

constexpr const char* kLinkType = "com.corvane.flipbook.pageeditor.TAnnoLink";
constexpr const char* kOpenURL = "com.corvane.flipbook.pageeditor.TAnnoActionOpenURL";
constexpr const char* kGotoPage = "com.corvane.flipbook.pageeditor.TAnnoActionGotoPage";

std::string fraction(float value)
{
    return text::fixedText(static_cast<double>(value));
}

} // namespace

PDFRect FlashPagesAnnotationsPDF::locationOfLink(const PDFRect& frame, float width, float height)
{
    if (!(width > 0) || !(height > 0))
        return PDFRect{};
    return PDFRect{frame.x / width, frame.y / height, frame.width / width, frame.height / height};
}

void FlashPagesAnnotationsPDF::loadLinksFromPDF(std::shared_ptr<PDFDocument> pdfDoc, const std::string& pageRange)
{
    iPDFDoc = std::move(pdfDoc);
    iNeedToImportPages = FlashPageSourcePDF::pageNumbersToImport(pageRange, iPDFDoc ? iPDFDoc->pageCount() : 0);
    iCurrentIndex = 0;
    needFiles().clear();
    setPagesAnnotationsNode(xml::OwnedElement("pagesAnnos"));
    for (std::size_t position = 0; position < iNeedToImportPages.size(); ++position) {
        iCurrentIndex = static_cast<std::int32_t>(position);
        parsePage();
    }
}

void FlashPagesAnnotationsPDF::parsePage()
{
    if (iCurrentIndex < 0 || static_cast<std::size_t>(iCurrentIndex) >= iNeedToImportPages.size())
        return;
    const std::int32_t n = iNeedToImportPages[static_cast<std::size_t>(iCurrentIndex)];
    PW_LOG_DEBUG("page is:%d", n);
    xml::Element pageNode = pagesAnnotationsNode().addChildElement("pageAnnos");
    pageNode.addAttribute("pageIndex", text::decimalText(iCurrentIndex + 1));
    if (!iPDFDoc)
        return;
    const std::vector<PDFAnnotation> annotations = iPDFDoc->annotations(n - 1);
    if (annotations.empty())
        return;
    PW_LOG_DEBUG("count is:%d", static_cast<int>(annotations.size()));
    const PDFRect page = iPDFDoc->displayBounds(n - 1);
    for (const PDFAnnotation& annotation : annotations) {
        if (annotation.type != "Link")
            continue;
        const bool webLink = annotation.url.has_value();
        // A link whose target page is not in the document has nowhere to go.
        if (!webLink && !annotation.destinationPageIndex)
            continue;
        xml::Element anno = pageNode.addChildElement("anno");
        anno.addAttribute("annotype", kLinkType);
        xml::Element action = anno.addChildElement("action");
        action.addAttribute("triggerEventType", "mouseDown");
        action.addAttribute("actionType", webLink ? kOpenURL : kGotoPage);
        if (webLink)
            action.addChildElement("url", *annotation.url);
        else
            action.addChildElement("pageIndex", text::decimalText(*annotation.destinationPageIndex + 1));
        const PDFRect location = locationOfLink(annotation.frameBounds, page.width, page.height);
        xml::Element where = anno.addChildElement("location");
        where.addAttribute("x", fraction(location.x));
        where.addAttribute("y", fraction(location.y));
        where.addAttribute("width", fraction(location.width));
        where.addAttribute("height", fraction(location.height));
    }
}

} // namespace pw
