#include "pdf/PictureDocumentBuilder.h"

#include <cstdio>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include <mupdf/pdf.h>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/PlatformPaths.h"
#include "pdf/PdfContext.h"

namespace pw {

using pdf::guarded;
using pdf::threadContext;

struct PictureDocumentBuilder::Handle {
    pdf_document* doc = nullptr;
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle()
    {
        if (doc)
            pdf_drop_document(threadContext(), doc);
    }
};

PictureDocumentBuilder::PictureDocumentBuilder() : iHandle(std::make_unique<Handle>())
{
    fz_context* ctx = threadContext();
    char message[256] = {};
    if (!guarded(ctx, [&] { iHandle->doc = pdf_create_document(ctx); }, &message))
        throw PagewindException("PDF_ERROR", message);
}

PictureDocumentBuilder::~PictureDocumentBuilder() = default;

PictureDocumentBuilder::AddResult PictureDocumentBuilder::addPicture(const std::string& path)
{
    fz_context* ctx = threadContext();
    pdf_document* doc = iHandle->doc;
    fz_image* image = nullptr;
    pdf_obj* imageObject = nullptr;
    pdf_obj* resources = nullptr;
    pdf_obj* page = nullptr;
    fz_buffer* contents = nullptr;
    bool tooLarge = false;
    int width = 0;
    int height = 0;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            image = fz_new_image_from_file(ctx, path.c_str());
            width = image->w;
            height = image->h;
            if (std::int64_t(width) * std::int64_t(height) > kMaxPicturePixels) {
                tooLarge = true;
                return;
            }
            int xres = 0;
            int yres = 0;
            fz_image_resolution(image, &xres, &yres);
            const float pageWidth = float(width) * 72.0f / float(xres > 0 ? xres : 72);
            const float pageHeight = float(height) * 72.0f / float(yres > 0 ? yres : 72);
            imageObject = pdf_add_image(ctx, doc, image);
            resources = pdf_new_dict(ctx, doc, 1);
            pdf_obj* xobjects = pdf_dict_put_dict(ctx, resources, PDF_NAME(XObject), 1);
            pdf_dict_puts(ctx, xobjects, "I0", imageObject);
            contents = fz_new_buffer(ctx, 64);
            fz_append_printf(ctx, contents, "q %g 0 0 %g 0 0 cm /I0 Do Q", pageWidth, pageHeight);
            page = pdf_add_page(ctx, doc, fz_make_rect(0, 0, pageWidth, pageHeight), 0, resources, contents);
            pdf_insert_page(ctx, doc, -1, page);
        },
        &message);
    fz_drop_buffer(ctx, contents);
    pdf_drop_obj(ctx, page);
    pdf_drop_obj(ctx, resources);
    pdf_drop_obj(ctx, imageObject);
    fz_drop_image(ctx, image);
    if (!ok) {
        PW_LOG_WARN("skipping %s: not a picture (%s)", path.c_str(), message);
        return AddResult::notAPicture;
    }
    if (tooLarge) {
        PW_LOG_WARN("skipping %s: %d by %d pixels is more than %lld million", path.c_str(), width, height,
                    static_cast<long long>(kMaxPicturePixels / 1000000));
        return AddResult::tooLarge;
    }
    ++iPageCount;
    return AddResult::added;
}

void PictureDocumentBuilder::writeToFile(const std::string& path) const
{
    fz_context* ctx = threadContext();
    const std::string temporary = path + ".part-" + std::to_string(::getpid());
    pdf_write_options options = pdf_default_write_options;
    options.do_compress = 1;
    char message[256] = {};
    const bool ok = guarded(ctx, [&] { pdf_save_document(ctx, iHandle->doc, temporary.c_str(), &options); }, &message);
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw PagewindException("PDF_WRITE", "could not write " + path + (ok ? std::string() : ": " + std::string(message)));
    }
}

std::string PictureDocumentBuilder::buildFolderPath()
{
    return file::joinPath(platform::userTemporaryFolder(), "Leafreel");
}

std::string PictureDocumentBuilder::buildFilePath()
{
    return file::joinPath(buildFolderPath(), "output.pdf");
}

PictureDocumentBuilder::BuildResult PictureDocumentBuilder::buildFromPictures(const std::vector<std::string>& pictures,
                                                                              const std::atomic<bool>* stop)
{
    BuildResult result;
    PictureDocumentBuilder builder;
    for (const std::string& picture : pictures) {
        if (stop && stop->load())
            throw PagewindException("BUILD_CANCELLED", "the build was cancelled");
        if (builder.addPicture(picture) != AddResult::added)
            result.skipped.push_back(picture);
    }
    if (builder.pageCount() == 0)
        throw PagewindException("BUILD_NO_PICTURE", "none of the files is a picture that can be read");
    const std::string folder = buildFolderPath();
    PW_LOG_INFO("Template: %s", folder.c_str());
    if (!file::isDirectory(folder) && ::mkdir(folder.c_str(), 0700) != 0 && !file::isDirectory(folder))
        throw PagewindException("PDF_WRITE", "could not make the folder " + folder);
    result.pdfPath = buildFilePath();
    builder.writeToFile(result.pdfPath);
    result.pageCount = builder.pageCount();
    return result;
}

} // namespace pw
