#include "pdf/FlashPagesAnnotationsPDF.h"

#include "base/Log.h"
#include "pdf/FlashPageSourcePDF.h"

namespace pw {

namespace {

constexpr const char* kLinkType = "com.corvane.flipbook.pageeditor.TAnnoLink";
constexpr const char* kOpenURL = "com.corvane.flipbook.pageeditor.TAnnoActionOpenURL";
constexpr const char* kGotoPage = "com.corvane.flipbook.pageeditor.TAnnoActionGotoPage";

std::string fraction(float value)
{
    return log::format("%f", static_cast<double>(value));
}

} // namespace

PDFRect FlashPagesAnnotationsPDF::locationOfLink(const PDFRect& r, float width, float height, int rotation)
{
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    switch (rotation) {
    case 0: x = r.x; y = r.y + r.height; w = r.width; h = r.height; break;
    case 90: x = r.x + r.width; y = r.y + r.height; w = r.height; h = r.width; break;
    case 180: x = r.x + r.width; y = r.y; w = r.width; h = r.height; break;
    case 270: x = r.x; y = r.y; w = r.height; h = r.width; break;
    default: return PDFRect{0, 1, 0, 0};  // what the formulas give for zero edges
    }
    return PDFRect{x / width, 1.0f - y / height, w / width, h / height};
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
    xml::Element page = pagesAnnotationsNode().addChildElement("pageAnnos");
    page.addAttribute("pageIndex", std::to_string(iCurrentIndex + 1));
    if (!iPDFDoc)
        return;
    const std::vector<PDFAnnotation> annotations = iPDFDoc->annotations(n - 1);
    if (annotations.empty())
        return;
    PW_LOG_DEBUG("count is:%d", static_cast<int>(annotations.size()));
    const PDFRect crop = iPDFDoc->cropBox(n - 1);
    const int rotation = iPDFDoc->rotation(n - 1);
    for (const PDFAnnotation& annotation : annotations) {
        if (annotation.type != "Link")
            continue;
        const bool webLink = annotation.url.has_value();
        // A link whose target page is not in the document has nowhere to go.
        if (!webLink && !annotation.destinationPageIndex)
            continue;
        xml::Element anno = page.addChildElement("anno");
        anno.addAttribute("annotype", kLinkType);
        xml::Element action = anno.addChildElement("action");
        action.addAttribute("triggerEventType", "mouseDown");
        action.addAttribute("actionType", webLink ? kOpenURL : kGotoPage);
        if (webLink)
            action.addChildElement("url", *annotation.url);
        else
            action.addChildElement("pageIndex", std::to_string(*annotation.destinationPageIndex + 1));
        const PDFRect location = locationOfLink(annotation.bounds, crop.width, crop.height, rotation);
        xml::Element where = anno.addChildElement("location");
        where.addAttribute("x", fraction(location.x));
        where.addAttribute("y", fraction(location.y));
        where.addAttribute("width", fraction(location.width));
        where.addAttribute("height", fraction(location.height));
    }
}

} // namespace pw
