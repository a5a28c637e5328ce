#include "pdf/PictureDocumentBuilder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
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
#include "pdf/PdfContext.h"

namespace pw {

using pdf::guarded;
using pdf::threadContext;

namespace {

unsigned byteAt(const std::string& bytes, std::size_t at)
{
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u;
}

unsigned bigEndian16(const std::string& bytes, std::size_t at)
{
    return (byteAt(bytes, at) << 8) | byteAt(bytes, at + 1);
}

unsigned long bigEndian32(const std::string& bytes, std::size_t at)
{
    return (static_cast<unsigned long>(bigEndian16(bytes, at)) << 16) | bigEndian16(bytes, at + 2);
}

struct Resolution {
    bool known = false;  // the format tells whether the file states one
    int x = 0;
    int y = 0;
};

unsigned tiff16(const std::string& bytes, std::size_t at, bool little)
{
    return little ? byteAt(bytes, at) | (byteAt(bytes, at + 1) << 8) : bigEndian16(bytes, at);
}

unsigned long tiff32(const std::string& bytes, std::size_t at, bool little)
{
    return little ? tiff16(bytes, at, true) | (static_cast<unsigned long>(tiff16(bytes, at + 2, true)) << 16)
                  : bigEndian32(bytes, at);
}

int dotsPerInch(double density, unsigned unit, unsigned inches, unsigned centimetres)
{
    const double perInch = unit == inches ? 1.0 : unit == centimetres ? 2.54 : 0.0;
    return static_cast<int>(density * perInch + 0.5);
}

// The EXIF block's XResolution and YResolution (first image directory) in the unit its
// ResolutionUnit names (inches when it names none). tiff is the offset of the TIFF header.
Resolution exifResolution(const std::string& bytes, std::size_t tiff, std::size_t end)
{
    Resolution resolution{true, 0, 0};
    const bool little = bytes.compare(tiff, 2, "II") == 0;
    if (!little && bytes.compare(tiff, 2, "MM") != 0)
        return resolution;
    const std::size_t directory = tiff + tiff32(bytes, tiff + 4, little);
    if (directory + 2 > end)
        return resolution;
    const unsigned entries = tiff16(bytes, directory, little);
    double x = 0;
    double y = 0;
    unsigned unit = 2;
    for (unsigned i = 0; i < entries && directory + 2 + 12 * (i + 1) <= end; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        const unsigned tag = tiff16(bytes, entry, little);
        if (tag == 0x0128) {
            unit = tiff16(bytes, entry + 8, little);
            continue;
        }
        if (tag != 0x011A && tag != 0x011B)
            continue;
        const std::size_t value = tiff + tiff32(bytes, entry + 8, little);
        const unsigned long denominator = value + 8 <= end ? tiff32(bytes, value + 4, little) : 0;
        const double density = denominator ? static_cast<double>(tiff32(bytes, value, little)) / double(denominator) : 0;
        (tag == 0x011A ? x : y) = density;
    }
    resolution.x = dotsPerInch(x, unit, 2, 3);
    resolution.y = dotsPerInch(y, unit, 2, 3);
    return resolution;
}

// JPEG: the JFIF header's density, when its unit is inches or centimetres; else the EXIF
// block's resolution, as cameras and phones state it.
Resolution jpegResolution(const std::string& bytes)
{
    Resolution jfif{true, 0, 0};
    Resolution exif{true, 0, 0};
    std::size_t at = 2;
    while (at + 4 < bytes.size() && byteAt(bytes, at) == 0xFF) {
        const unsigned marker = byteAt(bytes, at + 1);
        const unsigned length = bigEndian16(bytes, at + 2);
        if (marker == 0xE0 && bytes.compare(at + 4, 5, std::string("JFIF\0", 5)) == 0) {
            const unsigned unit = byteAt(bytes, at + 11);
            jfif.x = dotsPerInch(bigEndian16(bytes, at + 12), unit, 1, 2);
            jfif.y = dotsPerInch(bigEndian16(bytes, at + 14), unit, 1, 2);
        }
        if (marker == 0xE1 && bytes.compare(at + 4, 6, std::string("Exif\0\0", 6)) == 0)
            exif = exifResolution(bytes, at + 10, std::min(bytes.size(), std::size_t{at + 2 + length}));
        if (marker == 0xDA || length < 2)
            break;
        at += 2 + length;
    }
    return jfif.x > 0 && jfif.y > 0 ? jfif : exif;
}

// PNG: the pHYs chunk, when its unit is the metre.
Resolution pngResolution(const std::string& bytes)
{
    Resolution resolution{true, 0, 0};
    std::size_t at = 8;
    while (at + 8 <= bytes.size()) {
        const unsigned long length = bigEndian32(bytes, at);
        const std::string type = bytes.substr(at + 4, 4);
        if (type == "pHYs" && length >= 9 && byteAt(bytes, at + 16) == 1) {
            resolution.x = static_cast<int>(static_cast<double>(bigEndian32(bytes, at + 8)) * 0.0254 + 0.5);
            resolution.y = static_cast<int>(static_cast<double>(bigEndian32(bytes, at + 12)) * 0.0254 + 0.5);
            return resolution;
        }
        if (type == "IDAT" || type == "IEND")
            break;
        at += 12 + length;
    }
    return resolution;
}

// Width times height from a JPEG frame header or PNG header; 0 when unknown. Checked before any
// decoder sees the file, so a header claiming absurd dimensions costs nothing.
std::int64_t statedPixels(const std::string& bytes)
{
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
        return static_cast<std::int64_t>(bigEndian32(bytes, 16)) * static_cast<std::int64_t>(bigEndian32(bytes, 20));
    if (byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return 0;
    std::size_t at = 2;
    while (at + 9 < bytes.size() && byteAt(bytes, at) == 0xFF) {
        const unsigned marker = byteAt(bytes, at + 1);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return static_cast<std::int64_t>(bigEndian16(bytes, at + 5)) * bigEndian16(bytes, at + 7);
        const unsigned length = bigEndian16(bytes, at + 2);
        if (marker == 0xDA || length < 2)
            break;
        at += 2 + length;
    }
    return 0;
}

// What the file itself says of its resolution. MuPDF assumes 96 dpi for JPEG and PNG files that
// state none, while a picture without a stated resolution is 72 dpi here.
Resolution statedResolution(const std::string& bytes)
{
    if (byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8)
        return jpegResolution(bytes);
    if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
        return pngResolution(bytes);
    return {};
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

PictureDocumentBuilder::AddResult PictureDocumentBuilder::addPicture(const std::string& path)
{
    const std::optional<std::string> bytes = file::readFile(path);
    if (!bytes || bytes->empty()) {
        PW_LOG_WARN("skipping %s: it cannot be read or is empty", path.c_str());
        return AddResult::notAPicture;
    }
    if (statedPixels(*bytes) > kMaxPicturePixels) {
        PW_LOG_WARN("skipping %s: its header claims more than %lld million pixels", path.c_str(),
                    static_cast<long long>(kMaxPicturePixels / 1000000));
        return AddResult::tooLarge;
    }
    const Resolution stated = statedResolution(*bytes);
    fz_context* ctx = threadContext();
    pdf_document* doc = iHandle->doc;
    fz_buffer* buffer = nullptr;
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
            buffer = fz_new_buffer_from_copied_data(ctx, reinterpret_cast<const unsigned char*>(bytes->data()),
                                                     bytes->size());
            image = fz_new_image_from_buffer(ctx, buffer);
            width = image->w;
            height = image->h;
            if (std::int64_t(width) * std::int64_t(height) > kMaxPicturePixels) {
                tooLarge = true;
                return;
            }
            int xres = 0;
            int yres = 0;
            fz_image_resolution(image, &xres, &yres);
            if (stated.known) {
                xres = stated.x > 0 ? stated.x : 72;
                yres = stated.y > 0 ? stated.y : 72;
            }
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
    fz_drop_buffer(ctx, buffer);
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

std::optional<std::pair<int, int>> PictureDocumentBuilder::pictureSize(const std::string& path)
{
    const std::optional<std::string> bytes = file::readFile(path);
    if (!bytes || bytes->empty())
        return std::nullopt;
    fz_context* ctx = threadContext();
    fz_buffer* buffer = nullptr;
    fz_image* image = nullptr;
    int width = 0;
    int height = 0;
    const bool ok = guarded(ctx, [&] {
        buffer = fz_new_buffer_from_copied_data(ctx, reinterpret_cast<const unsigned char*>(bytes->data()),
                                                 bytes->size());
        image = fz_new_image_from_buffer(ctx, buffer);
        width = image->w;
        height = image->h;
    });
    fz_drop_image(ctx, image);
    fz_drop_buffer(ctx, buffer);
    if (!ok || width <= 0 || height <= 0)
        return std::nullopt;
    return std::make_pair(width, height);
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
