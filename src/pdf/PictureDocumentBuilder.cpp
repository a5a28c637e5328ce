#include "pdf/PictureDocumentBuilder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mupdf/pdf.h>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/PlatformPaths.h"
#include "pdf/PDFToSWFPageConverter.h"
#include "pdf/PdfContext.h"

namespace pw {

using pdf::guarded;
using pdf::threadContext;

namespace {

// The import draws a page at twice its size in points, at most kMaxPictureSide pixels a side:
// a picture larger than that would only be made smaller again.
int renderedSide(const PictureIntake::Size& size)
{
    const double points = std::max(size.width * 72.0 / size.dpiX, size.height * 72.0 / size.dpiY);
    const double pixels = std::ceil(points * PDFToSWFPageConverter::kRenderScale);
    return static_cast<int>(std::clamp(pixels, 1.0, double(PDFToSWFPageConverter::kMaxPictureSide)));
}

// The process id a build file name carries last: "output-12.pdf" and the kept "output-12-3.pdf"
// give 12, the unfinished copy "output-12.pdf.part-34" the writer's 34; none for any other name.
std::optional<long> buildFileOwner(const std::string& name)
{
    const auto number = [](const std::string& digits) -> std::optional<long> {
        if (digits.empty() || digits.size() > 9 ||
            !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
            return std::nullopt;
        return std::stol(digits);
    };
    const std::string prefix = "output-";
    const std::size_t pdf = name.find(".pdf");
    if (name.rfind(prefix, 0) != 0 || pdf == std::string::npos)
        return std::nullopt;
    const std::string stem = name.substr(prefix.size(), pdf - prefix.size());
    const std::string rest = name.substr(pdf + 4);
    const std::size_t dash = stem.find('-');
    const std::optional<long> pid = number(stem.substr(0, dash));
    if (!pid || (dash != std::string::npos && !number(stem.substr(dash + 1))))
        return std::nullopt;
    if (rest.empty())
        return pid;
    const std::string part = ".part-";
    return rest.rfind(part, 0) == 0 ? number(rest.substr(part.size())) : std::nullopt;
}

bool processIsGone(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

struct PictureDocumentBuilder::Handle : pdf::DocumentHandle {};

PictureDocumentBuilder::PictureDocumentBuilder() : iHandle(std::make_unique<Handle>())
{
    fz_context* ctx = threadContext();
    char message[256] = {};
    if (!guarded(ctx, [&] { iHandle->doc = pdf_create_document(ctx); }, &message))
        throw PagewindException("PDF_ERROR", message);
}

PictureDocumentBuilder::~PictureDocumentBuilder() = default;

PictureOutcome PictureDocumentBuilder::addPicture(const std::string& path)
{
    PictureOutcome outcome;
    const std::optional<PictureIntake::Size> size = PictureIntake::readSize(path, &outcome);
    if (!size)
        return outcome;
    PictureIntake::Options options;
    options.maxSide = renderedSide(*size);
    PictureIntake::Picture picture = PictureIntake::pagePicture(path, options);
    if (!picture.outcome.usable())
        return picture.outcome;
    const std::string bytes = picture.original ? file::readFile(path).value_or("") : std::move(picture.bytes);
    const float pageWidth = float(size->width * 72.0 / size->dpiX);
    const float pageHeight = float(size->height * 72.0 / size->dpiY);
    fz_context* ctx = threadContext();
    pdf_document* doc = iHandle->doc;
    fz_buffer* buffer = nullptr;
    fz_image* image = nullptr;
    pdf_obj* imageObject = nullptr;
    pdf_obj* resources = nullptr;
    pdf_obj* page = nullptr;
    fz_buffer* contents = nullptr;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            buffer = fz_new_buffer_from_copied_data(ctx, reinterpret_cast<const unsigned char*>(bytes.data()),
                                                     bytes.size());
            image = fz_new_image_from_buffer(ctx, buffer);
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
    fz_drop_buffer(ctx, buffer);
    if (!ok) {
        PW_LOG_WARN("%s: its page could not be made: %s", path.c_str(), message);
        return PictureOutcome{PictureOutcome::Status::unreadable, path, "not a picture that can be read"};
    }
    ++iPageCount;
    return picture.outcome;
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
    return file::joinPath(buildFolderPath(), "output-" + std::to_string(::getpid()) + ".pdf");
}

std::optional<std::string> PictureDocumentBuilder::keepBuildFile()
{
    static std::atomic<int> kept{0};
    const std::string path = file::joinPath(buildFolderPath(), "output-" + std::to_string(::getpid()) + "-" +
                                                                    std::to_string(++kept) + ".pdf");
    if (std::rename(buildFilePath().c_str(), path.c_str()) != 0)
        return std::nullopt;
    return path;
}

void PictureDocumentBuilder::removeStaleBuildFiles()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(buildFolderPath(), error)) {
        const std::optional<long> owner = buildFileOwner(entry.path().filename().string());
        if (!owner || *owner == ::getpid() || !processIsGone(*owner))
            continue;
        std::error_code ignored;
        if (std::filesystem::remove(entry.path(), ignored))
            PW_LOG_INFO("removed the build file %s of a process that ended", entry.path().c_str());
    }
}

PictureDocumentBuilder::BuildResult PictureDocumentBuilder::buildFromPictures(const std::vector<std::string>& pictures,
                                                                              const std::atomic<bool>* stop)
{
    BuildResult result;
    PictureDocumentBuilder builder;
    for (const std::string& picture : pictures) {
        if (stop && stop->load())
            throw PagewindException("BUILD_CANCELLED", "the build was cancelled");
        PictureOutcome outcome = builder.addPicture(picture);
        if (outcome.status == PictureOutcome::Status::unreadable)
            result.skipped.push_back(std::move(outcome));
        else if (outcome.status == PictureOutcome::Status::damaged)
            result.damaged.push_back(std::move(outcome));
    }
    if (builder.pageCount() == 0)
        throw PagewindException("BUILD_NO_PICTURE", PictureOutcome::noneReadable(result.skipped));
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
