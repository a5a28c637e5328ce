#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "book/FlashPagesText.h"

namespace pw {

// A rectangle in PDF page space: points, origin at the bottom left, y growing upward.
struct PDFRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// One annotation of a page, in the page's own order.
struct PDFAnnotation {
    std::string type;                       // the subtype name: "Link", "Text", ...
    PDFRect bounds;                         // the raw /Rect, in page space
    // The same rectangle where the rendered page picture shows it: points from the top left of
    // the displayed page, y growing downward, after the crop box and the page's rotation.
    PDFRect frameBounds;
    std::optional<std::string> url;         // a link's web address (URI action)
    bool hasDestination = false;            // a link into the document (GoTo action or /Dest)
    std::optional<int> destinationPageIndex;  // its page, from 0; none when the page is not in the document
};

// One bookmark and its children, in the document's order.
struct PDFOutlineNode {
    std::string label;
    std::optional<int> destinationPageIndex;  // from 0; none for a bookmark without a page
    std::vector<PDFOutlineNode> children;
};

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Pixels of a rendered page: rows of width RGB triples, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// An open PDF document (MuPDF). Every operation throws PagewindException ("PDF_ERROR", with
// MuPDF's message) when the library fails, and "PDF_PAGE" for a page index the document does not
// have. Operations may be called from any thread, one at a time per document (they lock).
class PDFDocument {
public:
    // The document at the path, or nullptr when the file is not a readable PDF (missing, empty,
    // not a PDF, damaged beyond repair).
    static std::shared_ptr<PDFDocument> open(const std::string& path);

    PDFDocument(const PDFDocument&) = delete;
    PDFDocument& operator=(const PDFDocument&) = delete;
    ~PDFDocument();

    const std::string& path() const { return iPath; }
    int pageCount() const { return iPageCount; }

    // The crop box (the media box when there is none), as stored, clipped to the media box.
    PDFRect cropBox(int pageIndex) const;
    // The page's /Rotate in degrees as the renderer applies it: 0, 90, 180 or 270, other
    // values snapped to the nearest of these.
    int rotation(int pageIndex) const;
    std::vector<PDFAnnotation> annotations(int pageIndex) const;
    std::vector<PDFOutlineNode> outline() const;
    // The words of the page in reading order (MuPDF's structured text, ligatures expanded),
    // placed on the rendered page picture; empty for a page of pictures alone.
    PageText pageText(int pageIndex) const;
    // The document's title: the Info dictionary's /Title, else the XMP metadata's dc:title;
    // none when neither states one. Never throws: a damaged Info or XMP simply has no title.
    std::optional<std::string> title() const;
    // The whole file's bytes; none when it cannot be read any more.
    std::optional<std::string> dataRepresentation() const;

    // The displayed page size in points (crop box, turned by the rotation).
    PDFRect displayBounds(int pageIndex) const;
    // The pixel size renderPage gives the page for the same scale and maxSide.
    PictureSize renderedSize(int pageIndex, float scale, int maxSide) const;
    // Renders the page scaled by scale onto white, but never with a side longer than maxSide
    // pixels: a larger page is scaled down to that, keeping its shape.
    RgbImage renderPage(int pageIndex, float scale, int maxSide) const;
    // The same into image, whose buffer is reused: a worker that renders page after page keeps
    // one picture, which spares the system clearing fresh memory for every page.
    void renderPage(int pageIndex, float scale, int maxSide, RgbImage& image) const;

private:
    struct Handle;
    PDFDocument(std::string path, std::unique_ptr<Handle> handle, int pageCount);
    void checkPage(int pageIndex) const;

    std::string iPath;
    std::unique_ptr<Handle> iHandle;
    int iPageCount = 0;
    mutable std::mutex iMutex;
};

} // namespace pw
