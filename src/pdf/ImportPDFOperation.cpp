#include "pdf/ImportPDFOperation.h"

#include <algorithm>

#include "base/Log.h"
#include "base/PagewindException.h"
#include "pdf/FlashOutlinePDF.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/FlashPagesAnnotationsPDF.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToPageConverter.h"

namespace pw {

namespace {

std::string failedPagesMessage(std::vector<FlashPageSourcePDF::FailedPage> failed)
{
    std::sort(failed.begin(), failed.end(), [](const auto& a, const auto& b) { return a.pageNumber < b.pageNumber; });
    std::string message = failed.size() == 1 ? "Page " : "Pages ";
    for (std::size_t i = 0; i < failed.size(); ++i)
        message += (i ? ", " : "") + std::to_string(failed[i].pageNumber);
    message += failed.size() == 1 ? " could not be imported: " : " could not be imported; the first: ";
    return message + failed.front().reason;
}

std::shared_ptr<PDFDocument> documentOf(const FlashPageSourcePDF* source)
{
    if (!source || !source->toPageConverter())
        return nullptr;
    return source->toPageConverter()->PDFDoc();
}

} // namespace

ImportPDFOperation::ImportPDFOperation(std::string pdfPath, std::string pageRange, std::int32_t dpi,
                                       std::int32_t quality)
    : iDPI(dpi), iQuality(quality), iPDFPath(std::move(pdfPath)), iPageRange(std::move(pageRange))
{
}

ImportPDFOperation::~ImportPDFOperation() = default;

std::int32_t ImportPDFOperation::qualityForLevel(int level)
{
    constexpr std::int32_t kQualities[] = {100, 85, 65, 45, 25};
    return level >= 0 && level < 5 ? kQualities[level] : 100;
}

std::pair<std::int32_t, std::int32_t> ImportPDFOperation::firstPageSize(const FlashPageSource* pageSource)
{
    const std::shared_ptr<PDFDocument> doc = documentOf(dynamic_cast<const FlashPageSourcePDF*>(pageSource));
    if (!doc || doc->pageCount() < 1)
        return {0, 0};
    try {
        const PDFRect box = doc->cropBox(0);
        return {static_cast<std::int32_t>(box.width), static_cast<std::int32_t>(box.height)};
    } catch (const PagewindException& e) {
        PW_LOG_WARN("the first page cannot be measured: %s", e.reason().c_str());
        return {0, 0};
    }
}

std::shared_ptr<FlashPageSource> ImportPDFOperation::flashPageSource() const
{
    const std::lock_guard lock(iSourceMutex);
    return iFlashPageSource;
}

void ImportPDFOperation::cancel()
{
    {
        const std::lock_guard lock(iSourceMutex);
        if (iFlashPageSource)
            iFlashPageSource->setStop(true);
    }
    Operation::cancel();
}

void ImportPDFOperation::fail(std::string message)
{
    PW_LOG_ERROR("%s", message.c_str());
    if (!iErrorMessage)
        iErrorMessage = std::move(message);
    dropPageSource();
}

void ImportPDFOperation::dropPageSource()
{
    const std::lock_guard lock(iSourceMutex);
    iFlashPageSource.reset();
}

void ImportPDFOperation::runPageStep(FlashPageSourcePDF& source)
{
    try {
        PW_LOG_DEBUG("before generate pages");
        source.generatePages();
        PW_LOG_DEBUG("after generate pages");
        PW_LOG_DEBUG("before generateNormalPages");
        source.generateNormalPages();
        PW_LOG_DEBUG("after generateNormalPages");
    } catch (const PagewindException& e) {
        fail("Run Import PDF Operation error,import pages:" + e.reason());
        return;
    }
    if (!source.failedPages().empty() && !isCancelled())
        fail(failedPagesMessage(source.failedPages()));
}

void ImportPDFOperation::runLinksStep()
{
    auto annotations = std::make_shared<FlashPagesAnnotationsPDF>();
    try {
        annotations->loadLinksFromPDF(documentOf(iFlashPageSource.get()), iPageRange);
        iFlashPagesAnnotation = std::move(annotations);
    } catch (const PagewindException& e) {
        PW_LOG_ERROR("Run Import PDF Operation error,import links:%s", e.reason().c_str());
    }
}

void ImportPDFOperation::runBookmarksStep()
{
    auto outline = std::make_shared<FlashOutlinePDF>();
    try {
        outline->loadOutlineFromPDF(documentOf(iFlashPageSource.get()));
        iFlashOutline = std::move(outline);
    } catch (const PagewindException& e) {
        PW_LOG_ERROR("Run Import PDF Operation error,import outline:%s", e.reason().c_str());
    }
}

void ImportPDFOperation::main()
{
    if (isCancelled())
        return;
    auto source = std::make_shared<FlashPageSourcePDF>(iPDFPath, iPageRange, iDPI, iQuality);
    {
        const std::lock_guard lock(iSourceMutex);
        iFlashPageSource = source;
        if (isCancelled())
            source->setStop(true);
    }
    // An unreadable file or an empty selection would otherwise pass for an empty book and
    // replace the user's pages.
    if (!source->PDFDoc()) {
        fail("Not a readable PDF file: " + iPDFPath);
        return;
    }
    if (source->needToImportPages().empty()) {
        fail("The page range selects no page of this document");
        return;
    }
    runPageStep(*source);
    if (!iFlashPageSource)
        return;
    if (!isCancelled() && iImportLinks)
        runLinksStep();
    if (!isCancelled() && iImportBookmarks)
        runBookmarksStep();
    if (isCancelled()) {
        PW_LOG_DEBUG("import pdf is cancelled");
        iErrorMessage = "The import was cancelled";
        dropPageSource();
        iFlashPagesAnnotation.reset();
        iFlashOutline.reset();
    }
}

} // namespace pw
