#include "pdf/ImportPDFOperation.h"

#include <algorithm>

#include "base/Log.h"
#include "base/NumberText.h"
#include "base/PagewindException.h"
#include "book/FlashPagesText.h"
#include "pdf/FlashOutlinePDF.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/FlashPagesAnnotationsPDF.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToPageConverter.h"

namespace pw {

namespace {

// "3", "3, 5-7": sorted page numbers with runs joined.
std::string pageListText(std::vector<std::int32_t> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        text += (text.empty() ? "" : ", ") + text::decimalText(numbers[i]);
        if (last > i)
            text += "-" + text::decimalText(numbers[last]);
        i = last + 1;
    }
    return text;
}

std::vector<std::int32_t> numbersOf(const std::vector<FlashPageSourcePDF::FailedPage>& pages)
{
    std::vector<std::int32_t> numbers;
    for (const auto& page : pages)
        numbers.push_back(page.pageNumber);
    return numbers;
}

// "page 3" or "pages 3, 5-7", and the verb that goes with it.
std::string pagesPhrase(const std::vector<std::int32_t>& numbers, const char* one, const char* many)
{
    return (numbers.size() == 1 ? "page " : "pages ") + pageListText(numbers) + (numbers.size() == 1 ? one : many);
}

std::string failedPagesMessage(const std::vector<FlashPageSourcePDF::FailedPage>& failed)
{
    std::string message = pagesPhrase(numbersOf(failed), " could not be imported: ", " could not be imported; the first: ");
    message[0] = 'P';
    return message + failed.front().reason;
}

std::string blankPagesWarning(const std::vector<FlashPageSourcePDF::FailedPage>& blank)
{
    return pagesPhrase(numbersOf(blank), " could not be rendered and is shown blank (",
                       " could not be rendered and are shown blank (the first: ") +
           blank.front().reason + ")";
}

std::vector<std::string> leftOutWarnings(const std::vector<std::int32_t>& leftOut, int pageCount)
{
    std::vector<std::int32_t> past;
    std::vector<std::int32_t> belowOne;
    for (const std::int32_t n : leftOut)
        (n > pageCount ? past : belowOne).push_back(n);
    std::vector<std::string> warnings;
    if (!past.empty())
        warnings.push_back(pagesPhrase(past, " is past the last page, ", " are past the last page, ") +
                           text::decimalText(pageCount) + (past.size() == 1 ? ", and was left out" : ", and were left out"));
    if (!belowOne.empty())
        warnings.push_back(pagesPhrase(belowOne, " does not exist (pages count from 1) and was left out",
                                       " do not exist (pages count from 1) and were left out"));
    return warnings;
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
        const PDFRect box = doc->displayBounds(0);
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
    } catch (...) {
        fail("Run Import PDF Operation error,import pages:" + describeCurrentException());
        return;
    }
    if (isCancelled())
        return;
    if (!source.failedPages().empty()) {
        fail(failedPagesMessage(source.failedPages()));
        return;
    }
    if (!source.blankPages().empty())
        iWarnings.push_back(blankPagesWarning(source.blankPages()));
}

void ImportPDFOperation::runLinksStep()
{
    auto annotations = std::make_shared<FlashPagesAnnotationsPDF>();
    try {
        annotations->loadLinksFromPDF(documentOf(iFlashPageSource.get()), iPageRange);
        iFlashPagesAnnotation = std::move(annotations);
    } catch (...) {
        PW_LOG_ERROR("Run Import PDF Operation error,import links:%s", describeCurrentException().c_str());
    }
}

void ImportPDFOperation::runBookmarksStep()
{
    auto outline = std::make_shared<FlashOutlinePDF>();
    try {
        outline->loadOutlineFromPDF(documentOf(iFlashPageSource.get()));
        iFlashOutline = std::move(outline);
    } catch (...) {
        PW_LOG_ERROR("Run Import PDF Operation error,import outline:%s", describeCurrentException().c_str());
    }
}

void ImportPDFOperation::main()
{
    if (isCancelled())
        return;
    try {
        runSteps();
    } catch (...) {
        // Whatever went wrong, the import must not pass for a success with half its results.
        fail("The import failed: " + describeCurrentException());
        iFlashPagesAnnotation.reset();
        iFlashOutline.reset();
        iFlashPagesText.reset();
    }
}

void ImportPDFOperation::runSteps()
{
    auto source = std::make_shared<FlashPageSourcePDF>(iPDFPath, iPageRange, iDPI, iQuality);
    source->setCollectText(iImportText);
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
    iWarnings = leftOutWarnings(source->leftOutPages(), source->PDFDoc()->pageCount());
    if (source->needToImportPages().empty()) {
        fail("The page range selects no page of this document" +
             (iWarnings.empty() ? std::string() : ": " + iWarnings.front()));
        return;
    }
    runPageStep(*source);
    if (!iFlashPageSource)
        return;
    iDocumentTitle = source->PDFDoc()->title();
    if (auto text = std::make_shared<FlashPagesText>(source->pageTexts()); text->hasText())
        iFlashPagesText = std::move(text);
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
        iFlashPagesText.reset();
    }
}

} // namespace pw
