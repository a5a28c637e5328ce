#include "pdf/FlashPageSourcePDF.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_set>

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

// What one worker made of the page at a position of the page-number list.
struct PageResult {
    bool done = false;
    std::string path;
    std::optional<std::string> failure;
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
    // The book writer asks for every page; a scan each time would take minutes for a book of
    // 100,000 pages. The scan stays for a list someone rearranged.
    if (const FlashPage* page = findNormalPageInOrder(pageIndex))
        return page;
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

std::string FlashPageSourcePDF::makePageFile(std::int32_t pageNumber, const PDFDocument* doc,
                                             std::optional<std::string>& failure) const
{
    auto* converter = dynamic_cast<PDFToSWFPageConverter*>(iToPageConverter.get());
    if (!converter || !doc || file::exists(converter->swfPathForPage(pageNumber))) {
        const auto made = iToPageConverter ? iToPageConverter->generatePage(pageNumber) : std::nullopt;
        return made.value_or(std::string());
    }
    const std::string path = converter->jpegPathForPage(pageNumber);
    try {
        if (!converter->writeJpeg(converter->renderPage(*doc, pageNumber), path))
            failure = "the JPEG file could not be written";
    } catch (const PagewindException& e) {
        PW_LOG_ERROR("page %d could not be rendered: %s", pageNumber, e.reason().c_str());
        failure = e.reason();
    }
    return path;
}

void FlashPageSourcePDF::generatePages()
{
    iFailedPages.clear();
    const std::size_t total = iNeedToImportPages.size();
    std::vector<PageResult> results(total);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;
    const auto takeNext = [&]() -> std::optional<std::size_t> {
        const std::lock_guard lock(mutex);
        if (stop() || next >= total)
            return std::nullopt;
        return next++;
    };
    const auto makeAt = [&](std::size_t position, const PDFDocument* doc) {
        std::optional<std::string> failure;
        std::string path = makePageFile(iNeedToImportPages[position], doc, failure);
        const std::lock_guard lock(mutex);
        results[position] = PageResult{true, std::move(path), std::move(failure)};
        changed.notify_all();
    };

    // A second worker with a document of its own (MuPDF documents serve one thread at a time)
    // renders every other page, so both cores render and encode; each holds one page at most.
    std::thread helper;
    if (iPDFDoc && total > 1) {
        helper = std::thread([&] {
            const std::shared_ptr<PDFDocument> own = PDFDocument::open(sourceFile());
            while (own) {
                const std::optional<std::size_t> position = takeNext();
                if (!position)
                    break;
                makeAt(*position, own.get());
            }
        });
    }

    // Records and progress go out in page order, on this thread, as the pages complete.
    std::size_t posted = 0;
    bool stopped = false;
    while (!stopped) {
        const std::optional<std::size_t> position = takeNext();
        if (position)
            makeAt(*position, iPDFDoc.get());
        std::unique_lock lock(mutex);
        if (!position) {
            // Nothing left to take: wait for the pages the helper still works on.
            changed.wait(lock, [&] { return posted >= next || results[posted].done; });
            if (posted >= next)
                break;
        }
        while (posted < next && results[posted].done) {
            if (stop()) {
                stopped = true;
                break;
            }
            const PageResult result = std::move(results[posted]);
            const std::int32_t n = iNeedToImportPages[posted];
            ++posted;
            lock.unlock();
            if (result.failure)
                iFailedPages.push_back({n, *result.failure});
            pages().push_back(std::make_unique<FlashPage>(result.path, n));
            postProgress(static_cast<std::int32_t>(posted), "geneatePage");
            lock.lock();
        }
    }
    if (helper.joinable())
        helper.join();
}

void FlashPageSourcePDF::generateNormalPages()
{
    std::unordered_set<std::int32_t> present;
    for (const auto& page : normalPages()) {
        if (page)
            present.insert(page->pageIndex());
    }
    for (std::size_t position = 1; position <= pages().size(); ++position) {
        if (stop())
            return;
        const FlashPage* page = pages()[position - 1].get();
        if (page && present.insert(page->pageIndex()).second)
            normalPages().push_back(page->copyPage(100, 100));
        postProgress(static_cast<std::int32_t>(position), "geneateNormalPage");
    }
}

} // namespace pw
