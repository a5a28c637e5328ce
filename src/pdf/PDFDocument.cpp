#include "pdf/PDFDocument.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include <mupdf/pdf.h>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/TextEncoding.h"
#include "pdf/DocumentTitle.h"
#include "pdf/JpegDecoder.h"
#include "pdf/PageTextReader.h"
#include "pdf/PdfContext.h"
#include "pdf/PicturePage.h"

namespace pw {

using pdf::guarded;
using pdf::threadContext;

struct PDFDocument::Handle : pdf::DocumentHandle {};

namespace {

// MuPDF 1.21 answers a page lookup from its cached page tree with a reference that nobody
// releases (the uncached walk lends one), so every page looked up would stay in memory until
// the program ends. The two functions below give that reference back. Other versions run
// without the cache. Pages are loaded and dropped one at a time per document, so a load always
// goes through the lookup.
constexpr bool kCachePageTree = FZ_VERSION_MAJOR == 1 && FZ_VERSION_MINOR == 21;

pdf_obj* lookupPage(fz_context* ctx, const pdf::DocumentHandle& handle, int pageIndex)
{
    pdf_obj* page = pdf_lookup_page_obj(ctx, handle.doc, pageIndex);
    if (handle.pageTreeLoaded)
        pdf_drop_obj(ctx, page);  // the document's object cache still holds it
    return page;
}

pdf_page* loadPage(fz_context* ctx, const pdf::DocumentHandle& handle, int pageIndex)
{
    pdf_page* page = pdf_load_page(ctx, handle.doc, pageIndex);
    if (handle.pageTreeLoaded)
        pdf_drop_obj(ctx, page->obj);  // the page keeps its own reference
    return page;
}

// Later page lookups walk the tree again.
void releasePageTreeCache(fz_context* ctx, pdf::DocumentHandle& handle)
{
    if (!handle.pageTreeLoaded)
        return;
    pdf_drop_page_tree(ctx, handle.doc);
    handle.pageTreeLoaded = false;
}

[[noreturn]] void throwPdfError(const char (&message)[256])
{
    throw PagewindException("PDF_ERROR", message[0] ? message : "the PDF library failed");
}

// Rectangles stored with their corners swapped still mean the same area.
fz_rect normalised(fz_rect r)
{
    if (r.x0 > r.x1)
        std::swap(r.x0, r.x1);
    if (r.y0 > r.y1)
        std::swap(r.y0, r.y1);
    return r;
}

PDFRect toPDFRect(fz_rect r)
{
    return PDFRect{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
}

// The page's crop box clipped to its media box, in page space. Called inside guarded.
fz_rect rawCropBox(fz_context* ctx, pdf_obj* page)
{
    const fz_rect media = pdf_to_rect(ctx, pdf_dict_get_inheritable(ctx, page, PDF_NAME(MediaBox)));
    pdf_obj* cropObject = pdf_dict_get_inheritable(ctx, page, PDF_NAME(CropBox));
    if (!pdf_is_array(ctx, cropObject))
        return media;
    const fz_rect crop = pdf_to_rect(ctx, cropObject);
    if (fz_is_empty_rect(media))
        return crop;
    return fz_intersect_rect(crop, media);
}

// MuPDF snaps a rotation to the nearest quarter turn before it renders the page.
int normalisedRotation(int degrees)
{
    const int turned = degrees % 360;
    const int positive = turned < 0 ? turned + 360 : turned;
    return 90 * ((positive + 45) / 90) % 360;
}

// The page a destination (explicit array, or a name or string naming one) leads to, from 0;
// -1 when it leads to no page of the document. Called inside guarded.
int destinationPage(fz_context* ctx, pdf_document* doc, pdf_obj* destination)
{
    if (pdf_is_name(ctx, destination) || pdf_is_string(ctx, destination))
        destination = pdf_lookup_dest(ctx, doc, destination);
    if (pdf_is_dict(ctx, destination))
        destination = pdf_dict_get(ctx, destination, PDF_NAME(D));
    if (!pdf_is_array(ctx, destination))
        return -1;
    pdf_obj* target = pdf_array_get(ctx, destination, 0);
    if (pdf_is_int(ctx, target))
        return pdf_to_int(ctx, target);
    if (!pdf_is_indirect(ctx, target) || !pdf_is_dict(ctx, target))
        return -1;
    return pdf_lookup_page_number(ctx, doc, target);
}

struct RawAnnotation {
    const char* type = "";
    fz_rect rect{};
    fz_rect frame{};
    const char* url = nullptr;
    std::size_t urlLength = 0;
    bool hasDestination = false;
    int page = -1;
};

// pageToFrame is the renderer's own transform of the page, so that a link's frame rectangle
// lies exactly where the rendered picture shows it.
RawAnnotation readAnnotation(fz_context* ctx, pdf_document* doc, pdf_obj* annotation, fz_matrix pageToFrame)
{
    RawAnnotation raw;
    raw.type = pdf_to_name(ctx, pdf_dict_get(ctx, annotation, PDF_NAME(Subtype)));
    raw.rect = pdf_to_rect(ctx, pdf_dict_get(ctx, annotation, PDF_NAME(Rect)));
    raw.frame = fz_transform_rect(normalised(raw.rect), pageToFrame);
    if (std::strcmp(raw.type, "Link") != 0)
        return raw;
    pdf_obj* action = pdf_dict_get(ctx, annotation, PDF_NAME(A));
    pdf_obj* destination = nullptr;
    if (pdf_name_eq(ctx, pdf_dict_get(ctx, action, PDF_NAME(S)), PDF_NAME(URI))) {
        pdf_obj* uri = pdf_dict_get(ctx, action, PDF_NAME(URI));
        raw.url = pdf_is_string(ctx, uri) ? pdf_to_string(ctx, uri, &raw.urlLength) : nullptr;
        if (raw.url && raw.urlLength == 0)
            raw.url = nullptr;
    } else if (pdf_name_eq(ctx, pdf_dict_get(ctx, action, PDF_NAME(S)), PDF_NAME(GoTo))) {
        destination = pdf_dict_get(ctx, action, PDF_NAME(D));
    } else if (!action) {
        destination = pdf_dict_get(ctx, annotation, PDF_NAME(Dest));
    }
    if (destination) {
        raw.hasDestination = true;
        raw.page = destinationPage(ctx, doc, destination);
    }
    return raw;
}

struct FlatBookmark {
    int depth = 0;
    const char* title = nullptr;
    int page = -1;
};

void flattenOutline(fz_context* ctx, pdf_document* doc, fz_outline* node, int depth,
                    std::vector<FlatBookmark>& out)
{
    for (; node; node = node->next) {
        // Only an internal destination leads to a page; a bookmark without one has none.
        int page = -1;
        if (node->uri && node->uri[0] == '#') {
            float x = 0;
            float y = 0;
            page = node->page.page >= 0 ? node->page.page : pdf_resolve_link(ctx, doc, node->uri, &x, &y);
        }
        out.push_back(FlatBookmark{depth, node->title, page});
        flattenOutline(ctx, doc, node->down, depth + 1, out);
    }
}

// Rebuilds the tree from the depth-first list.
std::vector<PDFOutlineNode> unflatten(const std::vector<FlatBookmark>& flat, std::size_t& at, int depth, int pageCount)
{
    std::vector<PDFOutlineNode> nodes;
    while (at < flat.size() && flat[at].depth == depth) {
        PDFOutlineNode node;
        node.label = flat[at].title ? flat[at].title : "";
        if (flat[at].page >= 0 && flat[at].page < pageCount)
            node.destinationPageIndex = flat[at].page;
        ++at;
        node.children = unflatten(flat, at, depth + 1, pageCount);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

// The scale that keeps the longer side of the picture within maxSide pixels.
float cappedScale(const PDFRect& bounds, float scale, int maxSide)
{
    const float longSide = std::max(bounds.width, bounds.height) * scale;
    if (maxSide <= 0 || !(longSide > float(maxSide)))
        return scale;
    return scale * float(maxSide) / longSide;
}

// A page that is one picture is drawn no larger than the picture's own pixels: enlarging it
// would add bytes and no detail.
float pictureCappedScale(fz_context* ctx, pdf_page* page, fz_rect bounds, float scale)
{
    const fz_irect box = fz_round_rect(bounds);
    fz_image* picture = nullptr;
    guarded(ctx, [&] { picture = pdf::solePagePicture(ctx, page, fz_identity, box); });
    const float width = bounds.x1 - bounds.x0;
    const float height = bounds.y1 - bounds.y0;
    if (picture && width > 0 && height > 0)
        scale = std::min({scale, float(picture->w) / width, float(picture->h) / height});
    fz_drop_image(ctx, picture);
    return scale;
}

// The whole pixels of the page at that scale, rounded as MuPDF rounds the picture it draws.
fz_irect pictureBox(fz_rect bounds, float scale)
{
    return fz_round_rect(fz_transform_rect(bounds, fz_scale(scale, scale)));
}

float renderScale(fz_context* ctx, pdf_page* page, fz_rect bounds, float scale, int maxSide)
{
    return pictureCappedScale(ctx, page, bounds, cappedScale(toPDFRect(bounds), scale, maxSide));
}

std::size_t pixelBytes(const RgbImage& image)
{
    return static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3;
}

// MuPDF draws straight into the picture's pixels, which start as white paper: JPEG has no
// transparency, so what the page leaves unpainted stays white.
bool drawWithMuPDF(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box, RgbImage& image,
                   char (&message)[256])
{
    image.pixels.assign(pixelBytes(image), 255);
    fz_pixmap* pixmap = nullptr;
    fz_device* device = nullptr;
    const bool ok = guarded(
        ctx,
        [&] {
            pixmap = fz_new_pixmap_with_bbox_and_data(ctx, fz_device_rgb(ctx), box, nullptr, 0, image.pixels.data());
            device = fz_new_draw_device(ctx, fz_identity, pixmap);
            pdf_run_page(ctx, page, device, ctm, nullptr);
            fz_close_device(ctx, device);
        },
        &message);
    fz_drop_device(ctx, device);
    fz_drop_pixmap(ctx, pixmap);
    return ok;
}

// A JPEG in plain grey or RGB decodes fastest with TurboJPEG; anything with colour management,
// a decode array or other filters goes through MuPDF.
bool decodeJpegPicture(fz_context* ctx, fz_image* picture, std::vector<unsigned char>& rgb)
{
    const fz_compressed_buffer* compressed = nullptr;
    bool plainColour = false;
    const bool ok = guarded(ctx, [&] {
        compressed = fz_compressed_image_buffer(ctx, picture);
        fz_colorspace* colourspace = picture->colorspace;
        plainColour = colourspace && fz_colorspace_is_device(ctx, colourspace) &&
                      (fz_colorspace_is_rgb(ctx, colourspace) || fz_colorspace_is_gray(ctx, colourspace));
    });
    if (!ok || !compressed || !compressed->buffer || !plainColour || picture->use_decode || picture->bpc != 8 ||
        compressed->params.type != FZ_IMAGE_JPEG || compressed->params.u.jpeg.color_transform != -1)
        return false;
    unsigned char* data = nullptr;
    const std::size_t size = fz_buffer_storage(ctx, compressed->buffer, &data);
    return JpegDecoder::decodeRgb(data, size, picture->w, picture->h, rgb);
}

// Any other picture: decoded by MuPDF and brought to RGB, unless it is RGB already.
bool decodeWithMuPDF(fz_context* ctx, fz_image* picture, RgbImage& image, char (&message)[256])
{
    fz_pixmap* decoded = nullptr;
    fz_pixmap* converted = nullptr;
    bool ok = guarded(
        ctx,
        [&] {
            decoded = fz_get_pixmap_from_image(ctx, picture, nullptr, nullptr, nullptr, nullptr);
            if (decoded->alpha || decoded->n != 3 || !fz_colorspace_is_device(ctx, decoded->colorspace) ||
                !fz_colorspace_is_rgb(ctx, decoded->colorspace))
                converted = fz_convert_pixmap(ctx, decoded, fz_device_rgb(ctx), nullptr, nullptr,
                                              fz_default_color_params, 0);
        },
        &message);
    const fz_pixmap* pixels = converted ? converted : decoded;
    ok = ok && pixels->n == 3 && pixels->w == image.width && pixels->h == image.height;
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; ok && y < image.height; ++y)
        std::memcpy(image.pixels.data() + row * static_cast<std::size_t>(y),
                    pixels->samples + static_cast<std::ptrdiff_t>(y) * pixels->stride, row);
    fz_drop_pixmap(ctx, converted);
    fz_drop_pixmap(ctx, decoded);
    return ok;
}

// A page that is one picture at its own size: the picture decoded straight into the pixels.
bool drawPicture(fz_context* ctx, fz_image* picture, RgbImage& image, char (&message)[256])
{
    image.pixels.resize(pixelBytes(image));
    return decodeJpegPicture(ctx, picture, image.pixels) || decodeWithMuPDF(ctx, picture, image, message);
}

bool drawPage(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box, RgbImage& image, char (&message)[256])
{
    fz_image* picture = nullptr;
    guarded(ctx, [&] { picture = pdf::pagePictureAtItsSize(ctx, page, ctm, box); });
    const bool drawn = picture && drawPicture(ctx, picture, image, message);
    fz_drop_image(ctx, picture);
    return drawn || drawWithMuPDF(ctx, page, ctm, box, image, message);
}

} // namespace

PDFDocument::PDFDocument(std::string path, std::unique_ptr<Handle> handle, int pageCount)
    : iPath(std::move(path)), iHandle(std::move(handle)), iPageCount(pageCount)
{
}

PDFDocument::~PDFDocument() = default;

std::shared_ptr<PDFDocument> PDFDocument::open(const std::string& path)
{
    if (!file::isRegularFile(path))
        return nullptr;
    fz_context* ctx = threadContext();
    auto handle = std::make_unique<Handle>();
    int pageCount = 0;
    int objectCount = 0;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            handle->doc = pdf_open_document(ctx, path.c_str());
            pageCount = pdf_count_pages(ctx, handle->doc);
            objectCount = pdf_xref_len(ctx, handle->doc);
        },
        &message);
    if (!ok) {
        PW_LOG_INFO("not a readable PDF file %s: %s", path.c_str(), message);
        return nullptr;
    }
    // The page count is a number the file states; every page needs an object of its own, so a
    // count above the number of objects is a lie that must not size anything (a tiny file
    // could ask for billions of pages). Pages past the real ones fail one by one.
    const bool plausible = pageCount <= objectCount;
    if (!plausible) {
        PW_LOG_WARN("%s states %d pages but holds %d objects; counting %d at most", path.c_str(), pageCount,
                    objectCount, objectCount);
        pageCount = objectCount;
    }
    // Without the cached tree every page lookup walks the page tree from the top, which makes
    // a long document's import quadratic in its page count. A damaged tree that cannot be
    // cached still serves its pages the slow way.
    if (kCachePageTree && plausible)
        handle->pageTreeLoaded = guarded(ctx, [&] { pdf_load_page_tree(ctx, handle->doc); });
    return std::shared_ptr<PDFDocument>(new PDFDocument(path, std::move(handle), pageCount));
}

void PDFDocument::checkPage(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= iPageCount)
        throw PagewindException("PDF_PAGE", log::format("the document has no page %d", pageIndex + 1));
}

PDFRect PDFDocument::cropBox(int pageIndex) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    fz_rect box{};
    char message[256] = {};
    if (!guarded(ctx, [&] { box = rawCropBox(ctx, lookupPage(ctx, *iHandle, pageIndex)); }, &message))
        throwPdfError(message);
    return toPDFRect(box);
}

int PDFDocument::rotation(int pageIndex) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    int degrees = 0;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            pdf_obj* page = lookupPage(ctx, *iHandle, pageIndex);
            degrees = pdf_to_int(ctx, pdf_dict_get_inheritable(ctx, page, PDF_NAME(Rotate)));
        },
        &message);
    if (!ok)
        throwPdfError(message);
    return normalisedRotation(degrees);
}

std::vector<PDFAnnotation> PDFDocument::annotations(int pageIndex) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    std::vector<RawAnnotation> raw;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            pdf_obj* page = lookupPage(ctx, *iHandle, pageIndex);
            fz_rect box{};
            fz_matrix pageToFrame = fz_identity;
            pdf_page_obj_transform(ctx, page, &box, &pageToFrame);
            pdf_obj* annots = pdf_dict_get(ctx, page, PDF_NAME(Annots));
            const int count = pdf_array_len(ctx, annots);
            for (int i = 0; i < count; ++i) {
                pdf_obj* annotation = pdf_array_get(ctx, annots, i);
                if (pdf_is_dict(ctx, annotation))
                    raw.push_back(readAnnotation(ctx, iHandle->doc, annotation, pageToFrame));
            }
        },
        &message);
    if (!ok)
        throwPdfError(message);

    std::vector<PDFAnnotation> result;
    for (const RawAnnotation& r : raw) {
        PDFAnnotation annotation;
        annotation.type = r.type ? r.type : "";
        annotation.bounds = toPDFRect(normalised(r.rect));
        annotation.frameBounds = toPDFRect(r.frame);
        if (r.url)
            annotation.url = text::pdfBytesToUtf8(std::string_view(r.url, r.urlLength));
        annotation.hasDestination = r.hasDestination;
        if (r.page >= 0 && r.page < iPageCount)
            annotation.destinationPageIndex = r.page;
        result.push_back(std::move(annotation));
    }
    return result;
}

std::vector<PDFOutlineNode> PDFDocument::outline() const
{
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    fz_outline* root = nullptr;
    std::vector<FlatBookmark> flat;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            // The outline resolves its destinations through page lookups inside MuPDF, which
            // would keep the references lookupPage gives back: the cache goes first.
            releasePageTreeCache(ctx, *iHandle);
            root = pdf_load_outline(ctx, iHandle->doc);
            flattenOutline(ctx, iHandle->doc, root, 0, flat);
        },
        &message);
    std::size_t at = 0;
    std::vector<PDFOutlineNode> tree = ok ? unflatten(flat, at, 0, iPageCount) : std::vector<PDFOutlineNode>{};
    fz_drop_outline(ctx, root);
    if (!ok)
        throwPdfError(message);
    return tree;
}

PageText PDFDocument::pageText(int pageIndex) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    pdf_page* page = nullptr;
    fz_stext_page* text = nullptr;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            page = loadPage(ctx, *iHandle, pageIndex);
            // Characters outside the page are not shown, so they cannot be found.
            const fz_stext_options options{FZ_STEXT_MEDIABOX_CLIP, 1.0f};
            text = fz_new_stext_page_from_page(ctx, reinterpret_cast<fz_page*>(page), &options);
        },
        &message);
    fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
    PageText words;
    if (ok) {
        try {
            words = pdf::wordsOfPage(*text);
        } catch (...) {
            fz_drop_stext_page(ctx, text);
            throw;
        }
    }
    fz_drop_stext_page(ctx, text);
    if (!ok)
        throwPdfError(message);
    return words;
}

std::optional<std::string> PDFDocument::title() const
{
    const std::lock_guard lock(iMutex);
    fz_context* ctx = nullptr;
    try {
        ctx = threadContext();
    } catch (const PagewindException&) {
        return std::nullopt;
    }
    const char* info = nullptr;
    std::size_t infoLength = 0;
    fz_buffer* xmp = nullptr;
    const bool ok = guarded(ctx, [&] {
        pdf_obj* trailer = pdf_trailer(ctx, iHandle->doc);
        pdf_obj* title = pdf_dict_getp(ctx, trailer, "Info/Title");
        if (pdf_is_string(ctx, title))
            info = pdf_to_string(ctx, title, &infoLength);
        pdf_obj* metadata = pdf_dict_getp(ctx, trailer, "Root/Metadata");
        if (pdf_is_stream(ctx, metadata))
            xmp = pdf_load_stream(ctx, metadata);
    });
    std::optional<std::string> result;
    if (ok && info)
        result = pdf::titleFromInfo(std::string_view(info, infoLength));
    if (ok && !result && xmp) {
        unsigned char* data = nullptr;
        const std::size_t size = fz_buffer_storage(ctx, xmp, &data);
        result = pdf::titleFromXmp(std::string_view(reinterpret_cast<const char*>(data), size));
    }
    fz_drop_buffer(ctx, xmp);
    return result;
}

std::optional<std::string> PDFDocument::dataRepresentation() const
{
    return file::readFile(iPath);
}

PDFRect PDFDocument::displayBounds(int pageIndex) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    fz_rect bounds{};
    pdf_page* page = nullptr;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            page = loadPage(ctx, *iHandle, pageIndex);
            bounds = pdf_bound_page(ctx, page);
        },
        &message);
    fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
    if (!ok)
        throwPdfError(message);
    return toPDFRect(bounds);
}

PictureSize PDFDocument::renderedSize(int pageIndex, float scale, int maxSide) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    pdf_page* page = nullptr;
    fz_rect bounds{};
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            page = loadPage(ctx, *iHandle, pageIndex);
            bounds = pdf_bound_page(ctx, page);
        },
        &message);
    const fz_irect box = ok ? pictureBox(bounds, renderScale(ctx, page, bounds, scale, maxSide)) : fz_irect{};
    fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
    if (!ok)
        throwPdfError(message);
    return PictureSize{box.x1 - box.x0, box.y1 - box.y0};
}

RgbImage PDFDocument::renderPage(int pageIndex, float scale, int maxSide) const
{
    RgbImage image;
    renderPage(pageIndex, scale, maxSide, image);
    return image;
}

void PDFDocument::renderPage(int pageIndex, float scale, int maxSide, RgbImage& image) const
{
    checkPage(pageIndex);
    const std::lock_guard lock(iMutex);
    fz_context* ctx = threadContext();
    pdf_page* page = nullptr;
    fz_rect bounds{};
    char message[256] = {};
    bool ok = guarded(
        ctx,
        [&] {
            page = loadPage(ctx, *iHandle, pageIndex);
            bounds = pdf_bound_page(ctx, page);
        },
        &message);
    const float capped = ok ? renderScale(ctx, page, bounds, scale, maxSide) : scale;
    const fz_irect box = pictureBox(bounds, capped);
    const bool hasArea = box.x1 > box.x0 && box.y1 > box.y0;
    if (ok && hasArea) {
        image.width = box.x1 - box.x0;
        image.height = box.y1 - box.y0;
        ok = drawPage(ctx, page, fz_scale(capped, capped), box, image, message);
    }
    fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
    if (!ok)
        throwPdfError(message);
    if (!hasArea)
        throw PagewindException("PDF_ERROR", log::format("page %d has no area", pageIndex + 1));
}

} // namespace pw
