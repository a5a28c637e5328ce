#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pdf/Operation.h"

namespace pw {

class FlashOutline;
class FlashPageSource;
class FlashPageSourcePDF;
class FlashPagesAnnotations;
class FlashPagesText;

// Imports a PDF in the background: its pages (rendered to JPEG), and when asked its links as
// page annotations and its bookmarks as the outline. Each of the three steps fails alone.
// The results are written before the operation finishes and read after it.
class ImportPDFOperation : public Operation {
public:
    ImportPDFOperation(std::string pdfPath, std::string pageRange, std::int32_t dpi, std::int32_t quality);
    ~ImportPDFOperation() override;

    // The JPEG quality for an index of the quality choice: 0 100, 1 85, 2 65, 3 45, 4 25,
    // anything else 100.
    static std::int32_t qualityForLevel(int level);
    // The first document page's crop box size in points, each truncated toward zero; 0, 0
    // without a document. Any page source other than a PDF one gives 0, 0.
    static std::pair<std::int32_t, std::int32_t> firstPageSize(const FlashPageSource* pageSource);

    void setImportLinks(bool importLinks) { iImportLinks = importLinks; }
    bool importLinks() const { return iImportLinks; }
    void setImportBookmarks(bool importBookmarks) { iImportBookmarks = importBookmarks; }
    bool importBookmarks() const { return iImportBookmarks; }
    // The words of the pages, for the reader's search; off unless set.
    void setImportText(bool importText) { iImportText = importText; }
    bool importText() const { return iImportText; }

    void main() override;
    // Stops the page rendering between two pages, then marks the operation cancelled.
    void cancel() override;

    // The results: none until a successful import has finished.
    std::shared_ptr<FlashPageSource> flashPageSource() const;
    std::shared_ptr<FlashPagesAnnotations> flashPagesAnnotation() const { return iFlashPagesAnnotation; }
    std::shared_ptr<FlashOutline> flashOutline() const { return iFlashOutline; }
    // None when text was not asked for or the pages hold no words (pictures alone).
    std::shared_ptr<FlashPagesText> flashPagesText() const { return iFlashPagesText; }
    // Why the import made no pages ("Not a readable PDF file: ...", the pages that failed, ...);
    // none after a success.
    const std::optional<std::string>& errorMessage() const { return iErrorMessage; }
    // What the user should know of a successful import, one sentence each: pages that could
    // not be rendered and show white paper, page numbers the document does not have.
    const std::vector<std::string>& warnings() const { return iWarnings; }
    // The document's title (its Info /Title, else its XMP title); none when it states none.
    const std::optional<std::string>& documentTitle() const { return iDocumentTitle; }

    const std::string& PDFPath() const { return iPDFPath; }
    const std::string& pageRange() const { return iPageRange; }
    std::int32_t quality() const { return iQuality; }

private:
    void fail(std::string message);
    void dropPageSource();
    void runSteps();
    void runPageStep(FlashPageSourcePDF& source);
    void runLinksStep();
    void runBookmarksStep();

    mutable std::mutex iSourceMutex;  // cancel reaches the page source from another thread
    std::shared_ptr<FlashPageSourcePDF> iFlashPageSource;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotation;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesText> iFlashPagesText;
    std::int32_t iDPI = 144;
    std::int32_t iQuality = 100;
    std::string iPDFPath;
    std::string iPageRange;
    bool iImportBookmarks = false;
    bool iImportLinks = false;
    bool iImportText = false;
    std::optional<std::string> iErrorMessage;
    std::vector<std::string> iWarnings;
    std::optional<std::string> iDocumentTitle;
};

} // namespace pw
