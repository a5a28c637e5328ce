#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/FlashPageSource.h"
#include "book/FlashPagesText.h"

namespace pw {

class PDFDocument;
struct RgbImage;
class PDFToPageConverter;
class PDFToSWFPageConverter;

// The notification of import progress; user information "pageIndex" (position finished, from
// 1), "totalPage" and "type" ("geneatePage" or "geneateNormalPage"). Posted without a sender.
inline constexpr const char* ImportProgressInfoMSG = "ImportProgressInfoMSG";

// The pages of a PDF document, rendered to JPEG files by its converter. Page records carry the
// document's page numbers (a range 3-5 gives 3, 4, 5).
class FlashPageSourcePDF : public FlashPageSource {
public:
    // A page that could not be rendered, and why.
    struct FailedPage {
        std::int32_t pageNumber = 0;
        std::string reason;
    };

    // Opens the document (none when the file is not a readable PDF) and computes the page
    // numbers to import; renders nothing yet.
    FlashPageSourcePDF(const std::string& pdfPath, const std::string& pageRange, std::int32_t dpi, std::int32_t quality);
    ~FlashPageSourcePDF() override;

    // The page numbers of the range that the document has. Numbers outside 1..pageCount cannot
    // be imported: they are left out (into *leftOut when given), so that the page source and
    // the link loader agree on which page is the n-th.
    static std::vector<std::int32_t> pageNumbersToImport(std::string_view pageRange, std::int32_t pageCount,
                                                         std::vector<std::int32_t>* leftOut = nullptr);

    const FlashPage* getPageAtIndex(std::int32_t position) const override;
    // The first normal page with that number; none as soon as the stop flag is set.
    const FlashPage* getNormalPageAtIndex(std::int32_t pageIndex) const override;
    // Renders the selected pages, one record each, with a progress notification after each.
    // Each page also gets a thumbnail (its picture shrunk, in thumbPages) and, when the page has
    // more detail than its picture shows, tiles of it rendered larger (in zoomedPages).
    // Two workers (this thread and a helper with its own handle on the document) render and
    // encode alternate pages, so both cores work while at most two rendered pages are held.
    // A page that fails to render, for whatever reason, gets a white picture of its size and
    // is listed in blankPages(); one whose file cannot be written at all is listed in
    // failedPages(). Errors of the workers never leave this function but as those lists.
    void generatePages() override;
    void generateNormalPages() override;

    PDFToPageConverter* toPageConverter() const;
    void setToPageConverter(std::unique_ptr<PDFToPageConverter> converter);
    const std::shared_ptr<PDFDocument>& PDFDoc() const { return iPDFDoc; }
    const std::vector<std::int32_t>& needToImportPages() const { return iNeedToImportPages; }
    const std::string& pageRange() const { return iPageRange; }
    std::int32_t quality() const { return iQuality; }
    // The pages of the last generatePages that have no file at all.
    const std::vector<FailedPage>& failedPages() const { return iFailedPages; }
    // The pages of the last generatePages that could not be rendered and show white paper.
    const std::vector<FailedPage>& blankPages() const { return iBlankPages; }
    // The numbers of the range that the document does not have, left out of the import.
    const std::vector<std::int32_t>& leftOutPages() const { return iLeftOutPages; }
    // When set, generatePages also reads each page's words (for search), the n-th entry of
    // pageTexts() for the n-th page; a page whose text cannot be read has none.
    void setCollectText(bool collect) { iCollectText = collect; }
    const std::vector<PageText>& pageTexts() const { return iPageTexts; }

private:
    struct PageResult;
    struct Pictures;
    // Renders one page into its files; never throws.
    PageResult makePageFile(std::int32_t pageNumber, const PDFDocument* doc, Pictures& pictures) const noexcept;
    // The thumbnail and the detail of a page whose picture was written; a failure leaves the
    // page without them.
    void addSmallAndLarge(PDFToSWFPageConverter& converter, std::int32_t pageNumber, const PDFDocument& doc,
                          Pictures& pictures, PageResult& result) const;
    PageText textOfPage(const PDFDocument& doc, std::int32_t pageNumber) const;
    void recordPage(std::int32_t pageNumber, PageResult result);
    void postProgress(std::int32_t position, const char* type) const;

    std::shared_ptr<PDFDocument> iPDFDoc;
    std::string iPageRange;
    std::int32_t iDPI = 144;
    std::int32_t iQuality = 100;
    std::unique_ptr<PDFToPageConverter> iToPageConverter;
    std::vector<std::int32_t> iNeedToImportPages;
    std::vector<FailedPage> iFailedPages;
    std::vector<FailedPage> iBlankPages;
    std::vector<std::int32_t> iLeftOutPages;
    bool iCollectText = false;
    std::vector<PageText> iPageTexts;
};

} // namespace pw
