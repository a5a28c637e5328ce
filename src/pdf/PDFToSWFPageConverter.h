#pragma once

#include "pdf/PDFDocument.h"
#include "pdf/PDFToPageConverter.h"

namespace pw {

// The page converter of imports: renders a page at twice its size in points (144 pixels per
// inch), but never longer than kMaxPictureSide pixels on either side, and writes it as
// "<n>.jpg" in the work folder. A "<n>.swf" file already in the work folder stands for its page
// and is used without rendering. MuPDF renders straight from the open document, so no separate
// renderer object is kept.
class PDFToSWFPageConverter : public PDFToPageConverter {
public:
    static constexpr float kRenderScale = 2.0f;
    // Larger pictures cost phones more memory than they can show, and a 50-megapixel photo
    // page would need 200 million pixels at twice its size.
    static constexpr int kMaxPictureSide = 4096;
    // The picture of a page that cannot be measured: US Letter.
    static constexpr PictureSize kFallbackSize{1224, 1584};

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
    // The same from another handle on the same file (one per thread), into a picture whose
    // buffer is reused.
    virtual void renderPage(const PDFDocument& doc, std::int32_t pageNumber, RgbImage& into) const;
    bool writeJpeg(const RgbImage& image, const std::string& path) const;
    // A white picture of the size the page would be rendered at, for a page that cannot be
    // rendered; US Letter's when the page cannot even be measured.
    RgbImage blankPage(const PDFDocument& doc, std::int32_t pageNumber) const;

    std::string swfPathForPage(std::int32_t pageNumber) const;
    std::string jpegPathForPage(std::int32_t pageNumber) const;
};

} // namespace pw
