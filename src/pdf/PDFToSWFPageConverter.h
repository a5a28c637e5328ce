#pragma once

#include "book/FlashPageSource.h"
#include "book/FlashPageTiles.h"
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
    static constexpr int kThumbWidth = FlashPageSource::kThumbWidth;
    static constexpr int kThumbMaxHeight = FlashPageSource::kThumbMaxHeight;
    static constexpr int kThumbQuality = FlashPageSource::kThumbQuality;
    // Detail for zooming: 360 pixels an inch, enough for 0.9 picture pixels a device pixel at
    // three times the fitted width on a phone of 3 device pixels a CSS pixel.
    static constexpr float kDetailScale = 5.0f;
    static constexpr int kMaxDetailSide = 6144;
    // Less than this much more than the page picture is not worth fetching.
    static constexpr float kMinDetailGain = 1.25f;
    // Pages whose picture is smaller than this get no detail (tiny pages: labels, a long
    // document's stamps).
    static constexpr int kMinDetailPageSide = 400;

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

    // The page picture shrunk to kThumbWidth pixels across (taller pages to kThumbMaxHeight
    // down), never enlarged, written as a JPEG at path. False when it cannot be written.
    bool writeThumbnail(const RgbImage& page, const std::string& path) const;
    // The detail of a page whose picture is page: rendered again at kDetailScale (a page that is
    // one picture never beyond that picture's own pixels) and cut into tiles in
    // detailFolderForPage. None, writing nothing, when the page has no more detail than its
    // picture shows. detail is a buffer reused from page to page. Throws PagewindException when
    // the page cannot be rendered.
    std::optional<TileLayout> writeDetail(const PDFDocument& doc, std::int32_t pageNumber, const RgbImage& page,
                                          RgbImage& detail) const;

    std::string swfPathForPage(std::int32_t pageNumber) const;
    std::string jpegPathForPage(std::int32_t pageNumber) const;
    std::string thumbPathForPage(std::int32_t pageNumber) const;
    std::string detailFolderForPage(std::int32_t pageNumber) const;
};

} // namespace pw
