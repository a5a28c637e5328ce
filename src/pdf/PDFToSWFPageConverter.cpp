#include "pdf/PDFToSWFPageConverter.h"

#include <algorithm>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/ResourceFolder.h"
#include "pdf/JpegEncoder.h"
#include "pdf/PageTiler.h"
#include "pdf/PictureScaler.h"

namespace pw {

std::optional<std::string> PDFToSWFPageConverter::getPDF2swfLibPath() const
{
    const std::string path = file::joinPath(resources::resourceFolder(), "lib/pdf2swf");
    if (!file::isRegularFile(path))
        return std::nullopt;
    return path;
}

std::string PDFToSWFPageConverter::swfPathForPage(std::int32_t pageNumber) const
{
    return file::joinPath(converterWorkFolder(), log::format("%d.swf", pageNumber));
}

std::string PDFToSWFPageConverter::jpegPathForPage(std::int32_t pageNumber) const
{
    return file::joinPath(converterWorkFolder(), log::format("%d.jpg", pageNumber));
}

std::string PDFToSWFPageConverter::thumbPathForPage(std::int32_t pageNumber) const
{
    return file::joinPath(file::joinPath(converterWorkFolder(), "thumb"), log::format("%d.jpg", pageNumber));
}

std::string PDFToSWFPageConverter::detailFolderForPage(std::int32_t pageNumber) const
{
    return file::joinPath(file::joinPath(converterWorkFolder(), "large"), log::format("%d", pageNumber));
}

bool PDFToSWFPageConverter::writeThumbnail(const RgbImage& page, const std::string& path) const
{
    if (page.width <= 0 || page.height <= 0)
        return false;
    RgbImage thumb;
    const double scale = std::min({1.0, double(kThumbWidth) / page.width, double(kThumbMaxHeight) / page.height});
    thumb.width = std::max(1, static_cast<int>(page.width * scale + 0.5));
    thumb.height = std::max(1, static_cast<int>(page.height * scale + 0.5));
    scaleDownArea(page, thumb);
    const std::optional<std::string> jpeg = JpegEncoder::encode(thumb, kThumbQuality);
    return jpeg && file::createDirectories(file::deletingLastPathComponent(path)) && file::writeFileReplacing(path, *jpeg);
}

std::optional<TileLayout> PDFToSWFPageConverter::writeDetail(const PDFDocument& doc, std::int32_t pageNumber,
                                                             const RgbImage& page, RgbImage& detail) const
{
    const int pageSide = std::max(page.width, page.height);
    if (pageSide < kMinDetailPageSide)
        return std::nullopt;
    // A page that is one picture is never drawn larger than the picture, which its page picture
    // mostly shows already: it has no detail to add.
    const PictureSize size = doc.renderedSize(pageNumber - 1, kDetailScale, kMaxDetailSide);
    if (std::max(size.width, size.height) < kMinDetailGain * float(pageSide))
        return std::nullopt;
    doc.renderPage(pageNumber - 1, kDetailScale, kMaxDetailSide, detail);
    const std::string folder = detailFolderForPage(pageNumber);
    file::removeAll(folder);
    std::optional<TileLayout> layout = PageTiler::writeTiles(detail, folder, quality());
    if (!layout)
        file::removeAll(folder);
    return layout;
}

RgbImage PDFToSWFPageConverter::renderPage(std::int32_t pageNumber) const
{
    if (!PDFDoc())
        throw PagewindException("PDF_ERROR", "there is no document to render");
    RgbImage image;
    renderPage(*PDFDoc(), pageNumber, image);
    return image;
}

void PDFToSWFPageConverter::renderPage(const PDFDocument& doc, std::int32_t pageNumber, RgbImage& into) const
{
    doc.renderPage(pageNumber - 1, kRenderScale, kMaxPictureSide, into);
}

RgbImage PDFToSWFPageConverter::blankPage(const PDFDocument& doc, std::int32_t pageNumber) const
{
    PictureSize size = kFallbackSize;
    try {
        size = doc.renderedSize(pageNumber - 1, kRenderScale, kMaxPictureSide);
    } catch (const PagewindException& e) {
        PW_LOG_WARN("page %d cannot be measured either: %s", pageNumber, e.reason().c_str());
    }
    if (size.width <= 0 || size.height <= 0)
        size = kFallbackSize;
    RgbImage image;
    image.width = size.width;
    image.height = size.height;
    image.pixels.assign(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 3, 255);
    return image;
}

bool PDFToSWFPageConverter::writeJpeg(const RgbImage& image, const std::string& path) const
{
    const std::optional<std::string> jpeg = JpegEncoder::encode(image, quality());
    return jpeg && file::writeFileReplacing(path, *jpeg);
}

bool PDFToSWFPageConverter::pdfPageToImage(std::int32_t pageNumber, const std::string& path, std::string* error)
{
    if (!PDFDoc())
        return false;
    try {
        if (writeJpeg(renderPage(pageNumber), path))
            return true;
        if (error)
            *error = "could not write " + path;
    } catch (const PagewindException& e) {
        if (error)
            *error = e.reason();
    }
    return false;
}

std::optional<std::string> PDFToSWFPageConverter::generatePage(std::int32_t pageNumber)
{
    const std::string swf = swfPathForPage(pageNumber);
    if (file::exists(swf) || !PDFDoc())
        return swf;
    const std::string jpeg = jpegPathForPage(pageNumber);
    std::string error;
    if (!pdfPageToImage(pageNumber, jpeg, &error))
        PW_LOG_ERROR("page %d: %s", pageNumber, error.c_str());
    return jpeg;
}

} // namespace pw
