#include "pdf/FlashPageSourcePDF.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_set>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "base/PagewindException.h"
#include "book/FlashPageTiles.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToSWFPageConverter.h"

namespace pw {

namespace {

enum class PageOutcome { rendered, blank, missing };

// The second render worker. However generatePages ends, even by an exception, the worker is
// told to take no more pages and joined before the state it shares goes away. A worker that
// cannot start, or fails outside a page, leaves the pages to the first one.
class HelperThread {
public:
    explicit HelperThread(std::function<void()> stopTaking) : iStopTaking(std::move(stopTaking)) {}
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;
    ~HelperThread()
    {
        iStopTaking();
        if (iThread.joinable())
            iThread.join();
    }

    void start(std::function<void()> body)
    {
        try {
            iThread = std::thread([body = std::move(body)] {
                try {
                    body();
                } catch (...) {
                    PW_LOG_WARN("the second render worker stopped: %s", describeCurrentException().c_str());
                }
            });
        } catch (const std::system_error& e) {
            PW_LOG_WARN("rendering on one thread only: %s", e.what());
        }
    }

private:
    std::function<void()> iStopTaking;
    std::thread iThread;
};

} // namespace

// What one worker made of the page at a position of the page-number list.
struct FlashPageSourcePDF::PageResult {
    bool done = false;
    std::string path;
    PageOutcome outcome = PageOutcome::missing;
    std::string reason;  // why the page is blank or missing
    PageText text;
    std::string thumbPath;            // empty when none was made
    std::optional<TileLayout> detail;  // in the converter's detail folder of the page
};

// The pictures a worker keeps from page to page, so that their buffers are made once.
struct FlashPageSourcePDF::Pictures {
    RgbImage page;
    RgbImage detail;
};

FlashPageSourcePDF::FlashPageSourcePDF(const std::string& pdfPath, const std::string& pageRange, std::int32_t dpi,
                                       std::int32_t quality)
    : iPDFDoc(PDFDocument::open(pdfPath)), iPageRange(pageRange), iDPI(dpi), iQuality(quality)
{
    setSourceFile(pdfPath);
    iToPageConverter = std::make_unique<PDFToSWFPageConverter>(pdfPath, iPDFDoc, quality);
    iNeedToImportPages = pageNumbersToImport(pageRange, iPDFDoc ? iPDFDoc->pageCount() : 0, &iLeftOutPages);
}

FlashPageSourcePDF::~FlashPageSourcePDF() = default;

std::vector<std::int32_t> FlashPageSourcePDF::pageNumbersToImport(std::string_view pageRange, std::int32_t pageCount,
                                                                 std::vector<std::int32_t>* leftOut)
{
    std::vector<std::int32_t> kept;
    for (const std::int32_t n : parsePageRange(pageRange, pageCount)) {
        if (n >= 1 && n <= pageCount)
            kept.push_back(n);
        else if (leftOut)
            leftOut->push_back(n);
    }
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

void FlashPageSourcePDF::addSmallAndLarge(PDFToSWFPageConverter& converter, std::int32_t pageNumber,
                                          const PDFDocument& doc, Pictures& pictures, PageResult& result) const
{
    const std::string thumb = converter.thumbPathForPage(pageNumber);
    if (converter.writeThumbnail(pictures.page, thumb))
        result.thumbPath = thumb;
    else
        PW_LOG_WARN("page %d: the thumbnail could not be written", pageNumber);
    if (result.outcome != PageOutcome::rendered)
        return;
    try {
        result.detail = converter.writeDetail(doc, pageNumber, pictures.page, pictures.detail);
    } catch (const PagewindException& e) {
        PW_LOG_WARN("page %d: no detail for zooming: %s", pageNumber, e.reason().c_str());
    }
}

FlashPageSourcePDF::PageResult FlashPageSourcePDF::makePageFile(std::int32_t pageNumber, const PDFDocument* doc,
                                                                Pictures& pictures) const noexcept
{
    RgbImage& picture = pictures.page;
    PageResult result;
    result.done = true;
    try {
        auto* converter = dynamic_cast<PDFToSWFPageConverter*>(iToPageConverter.get());
        if (!converter || !doc || file::exists(converter->swfPathForPage(pageNumber))) {
            const auto made = iToPageConverter ? iToPageConverter->generatePage(pageNumber) : std::nullopt;
            result.path = made.value_or(std::string());
            result.outcome = file::exists(result.path) ? PageOutcome::rendered : PageOutcome::missing;
            return result;
        }
        result.path = converter->jpegPathForPage(pageNumber);
        try {
            converter->renderPage(*doc, pageNumber, picture);
            if (converter->writeJpeg(picture, result.path)) {
                result.outcome = PageOutcome::rendered;
                if (iCollectText)
                    result.text = textOfPage(*doc, pageNumber);
                addSmallAndLarge(*converter, pageNumber, *doc, pictures, result);
                return result;
            }
            result.reason = "the JPEG file could not be written";
            return result;
        } catch (...) {
            result.reason = describeCurrentException();
        }
        PW_LOG_ERROR("page %d could not be rendered: %s", pageNumber, result.reason.c_str());
        // White paper keeps the book's pages in their places and the import going.
        picture = converter->blankPage(*doc, pageNumber);
        if (converter->writeJpeg(picture, result.path)) {
            result.outcome = PageOutcome::blank;
            addSmallAndLarge(*converter, pageNumber, *doc, pictures, result);
        }
    } catch (...) {
        // Only allocation can fail here; the page then has no file and the import fails.
        result.outcome = PageOutcome::missing;
    }
    return result;
}

PageText FlashPageSourcePDF::textOfPage(const PDFDocument& doc, std::int32_t pageNumber) const
{
    try {
        return doc.pageText(pageNumber - 1);
    } catch (const PagewindException& e) {
        PW_LOG_WARN("the text of page %d cannot be read: %s", pageNumber, e.reason().c_str());
        return {};
    }
}

void FlashPageSourcePDF::generatePages()
{
    iFailedPages.clear();
    iBlankPages.clear();
    iPageTexts.clear();
    const std::size_t total = iNeedToImportPages.size();
    std::vector<PageResult> results(total);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;
    bool abandoned = false;
    const auto takeNext = [&]() -> std::optional<std::size_t> {
        const std::lock_guard lock(mutex);
        if (abandoned || stop() || next >= total)
            return std::nullopt;
        return next++;
    };
    // Each worker keeps its picture from page to page.
    const auto makeAt = [&](std::size_t position, const PDFDocument* doc, Pictures& pictures) {
        PageResult result = makePageFile(iNeedToImportPages[position], doc, pictures);
        const std::lock_guard lock(mutex);
        results[position] = std::move(result);
        changed.notify_all();
    };

    // A second worker with a document of its own (MuPDF documents serve one thread at a time)
    // renders every other page, so both cores render and encode; each holds one page at most.
    // It is joined however this function ends, after being told to take no more pages.
    HelperThread helper([&] {
        const std::lock_guard lock(mutex);
        abandoned = true;
    });
    if (iPDFDoc && total > 1)
        helper.start([&] {
            const std::shared_ptr<PDFDocument> own = PDFDocument::open(sourceFile());
            Pictures pictures;
            while (own) {
                const std::optional<std::size_t> position = takeNext();
                if (!position)
                    break;
                makeAt(*position, own.get(), pictures);
            }
        });

    // Records and progress go out in page order, on this thread, as the pages complete.
    std::size_t posted = 0;
    bool stopped = false;
    Pictures pictures;
    while (!stopped) {
        const std::optional<std::size_t> position = takeNext();
        if (position)
            makeAt(*position, iPDFDoc.get(), pictures);
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
            PageResult result = std::move(results[posted]);
            const std::int32_t n = iNeedToImportPages[posted];
            ++posted;
            lock.unlock();
            recordPage(n, std::move(result));
            postProgress(static_cast<std::int32_t>(posted), "geneatePage");
            lock.lock();
        }
    }
}

void FlashPageSourcePDF::recordPage(std::int32_t pageNumber, PageResult result)
{
    if (result.outcome == PageOutcome::blank)
        iBlankPages.push_back({pageNumber, result.reason});
    if (result.outcome == PageOutcome::missing)
        iFailedPages.push_back({pageNumber, result.reason.empty() ? "not enough memory" : result.reason});
    pages().push_back(std::make_unique<FlashPage>(std::move(result.path), pageNumber));
    iPageTexts.push_back(std::move(result.text));
    if (!result.thumbPath.empty())
        thumbPages().push_back(std::make_unique<FlashPage>(std::move(result.thumbPath), pageNumber));
    if (result.detail) {
        auto* converter = dynamic_cast<PDFToSWFPageConverter*>(iToPageConverter.get());
        if (converter)
            zoomedPages().push_back(
                std::make_unique<FlashPageTiles>(converter->detailFolderForPage(pageNumber), pageNumber, *result.detail));
    }
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
