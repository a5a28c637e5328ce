#pragma once

#include "pdf/PDFDocument.h"
#include "pdf/PDFToPageConverter.h"

namespace pw {

// The page converter of imports: renders a page at twice its size in points (144 pixels per
// inch) and writes it as "<n>.jpg" in the work folder. A "<n>.swf" file already in the work
// folder stands for its page and is used without rendering. MuPDF renders straight from the
// open document, so no separate renderer object is kept.
class PDFToSWFPageConverter : public PDFToPageConverter {
public:
    // Pages whose picture would have more pixels than this are refused with a message.
    static constexpr std::int64_t kMaxPagePixels = 200'000'000;

    using PDFToPageConverter::PDFToPageConverter;

    // The bundled "pdf2swf" helper's path, "lib/pdf2swf" in the resource folder, when present.
    // Nothing runs it.
    std::optional<std::string> getPDF2swfLibPath() const;

    // Renders and encodes the page into path. False (with the reason in *error) when the page
    // cannot be rendered or written; the file is then not there.
    bool pdfPageToImage(std::int32_t pageNumber, const std::string& path, std::string* error = nullptr);
    // The "%d.swf" path when that file exists or there is no document, else the "%d.jpg" path
    // after rendering it (also when that failed).
    std::optional<std::string> generatePage(std::int32_t pageNumber) override;

    // The two halves of pdfPageToImage, so that a caller can render one page while the previous
    // one is being encoded. renderPage throws PagewindException.
    RgbImage renderPage(std::int32_t pageNumber) const;
    // The same from another handle on the same file (one per thread).
    RgbImage renderPage(const PDFDocument& doc, std::int32_t pageNumber) const;
    bool writeJpeg(const RgbImage& image, const std::string& path) const;

    std::string swfPathForPage(std::int32_t pageNumber) const;
    std::string jpegPathForPage(std::int32_t pageNumber) const;
};

} // namespace pw
