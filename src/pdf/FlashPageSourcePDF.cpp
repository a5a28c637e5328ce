#include "pdf/FlashPageSourcePDF.h"

#include <future>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "base/PagewindException.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToSWFPageConverter.h"

namespace pw {

namespace {

std::string numberList(const std::vector<std::int32_t>& numbers)
{
    std::string text;
    for (const std::int32_t n : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

// An encoding running beside the next page's rendering.
struct PendingPage {
    std::int32_t pageNumber = 0;
    std::future<bool> written;
};

} // namespace

FlashPageSourcePDF::FlashPageSourcePDF(const std::string& pdfPath, const std::string& pageRange, std::int32_t dpi,
                                       std::int32_t quality)
    : iPDFDoc(PDFDocument::open(pdfPath)), iPageRange(pageRange), iDPI(dpi), iQuality(quality)
{
    setSourceFile(pdfPath);
    iToPageConverter = std::make_unique<PDFToSWFPageConverter>(pdfPath, iPDFDoc, quality);
    iNeedToImportPages = pageNumbersToImport(pageRange, iPDFDoc ? iPDFDoc->pageCount() : 0);
}

FlashPageSourcePDF::~FlashPageSourcePDF() = default;

std::vector<std::int32_t> FlashPageSourcePDF::pageNumbersToImport(std::string_view pageRange, std::int32_t pageCount)
{
    std::vector<std::int32_t> kept;
    std::vector<std::int32_t> dropped;
    for (const std::int32_t n : parsePageRange(pageRange, pageCount))
        (n >= 1 && n <= pageCount ? kept : dropped).push_back(n);
    if (!dropped.empty())
        PW_LOG_WARN("the page range \"%s\" names pages the document (%d pages) does not have: %s",
                    std::string(pageRange).c_str(), pageCount, numberList(dropped).c_str());
    return kept;
}

PDFToPageConverter* FlashPageSourcePDF::toPageConverter() const
{
    return iToPageConverter.get();
}

void FlashPageSourcePDF::setToPageConverter(std::unique_ptr<PDFToPageConverter> converter)
{
    iToPageConverter = std::move(converter);
}

const FlashPage* FlashPageSourcePDF::getPageAtIndex(std::int32_t position) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= pages().size())
        return nullptr;
    return pages()[static_cast<std::size_t>(position)].get();
}

const FlashPage* FlashPageSourcePDF::getNormalPageAtIndex(std::int32_t pageIndex) const
{
    for (const auto& page : normalPages()) {
        if (stop())
            return nullptr;
        if (page && page->pageIndex() == pageIndex)
            return page.get();
    }
    return nullptr;
}

void FlashPageSourcePDF::postProgress(std::int32_t position, const char* type) const
{
    NotificationCenter::defaultCenter().post(
        ImportProgressInfoMSG, nullptr,
        {{"pageIndex", static_cast<long long>(position)},
         {"totalPage", static_cast<long long>(iNeedToImportPages.size())},
         {"type", std::string(type)}});
}

void FlashPageSourcePDF::generatePages()
{
    iFailedPages.clear();
    auto* converter = dynamic_cast<PDFToSWFPageConverter*>(iToPageConverter.get());
    PendingPage pending;
    const auto finishPending = [&] {
        if (pending.written.valid() && !pending.written.get())
            iFailedPages.push_back({pending.pageNumber, "the JPEG file could not be written"});
    };

    for (std::size_t position = 1; position <= iNeedToImportPages.size(); ++position) {
        if (stop())
            break;
        const std::int32_t n = iNeedToImportPages[position - 1];
        std::string path;
        if (!converter || file::exists(converter->swfPathForPage(n)) || !iPDFDoc) {
            const std::optional<std::string> made = iToPageConverter ? iToPageConverter->generatePage(n) : std::nullopt;
            path = made.value_or(std::string());
        } else {
            path = converter->jpegPathForPage(n);
            try {
                RgbImage image = converter->renderPage(n);
                finishPending();
                pending.pageNumber = n;
                pending.written = std::async(std::launch::async, [converter, image = std::move(image), path] {
                    return converter->writeJpeg(image, path);
                });
            } catch (const PagewindException& e) {
                PW_LOG_ERROR("page %d could not be rendered: %s", n, e.reason().c_str());
                iFailedPages.push_back({n, e.reason()});
            }
        }
        pages().push_back(std::make_unique<FlashPage>(path, n));
        postProgress(static_cast<std::int32_t>(position), "geneatePage");
    }
    finishPending();
}

void FlashPageSourcePDF::generateNormalPages()
{
    for (std::size_t position = 1; position <= pages().size(); ++position) {
        if (stop())
            return;
        const FlashPage* page = pages()[position - 1].get();
        if (page && !getNormalPageAtIndex(page->pageIndex()))
            normalPages().push_back(page->copyPage(100, 100));
        postProgress(static_cast<std::int32_t>(position), "geneateNormalPage");
    }
}

} // namespace pw
