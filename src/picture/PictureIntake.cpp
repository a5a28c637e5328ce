#include "picture/PictureIntake.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>

#include <vips/vips.h>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "pdf/BitmapDecoder.h"
#include "picture/PictureFormats.h"
#include "picture/VipsRuntime.h"

namespace pw {

namespace {

constexpr const char* kNotAPicture = "not a picture that can be read";

PictureOutcome failed(const std::string& path, std::string reason)
{
    return {PictureOutcome::Status::unreadable, path, std::move(reason)};
}

// What the header tells, and the file opened for decoding.
struct Opened {
    const PictureFormat* format = nullptr;
    vips::Image header;       // none for BMP, which MuPDF reads
    std::string bytes;        // BMP only
    PictureIntake::Size size;
    int orientation = 1;
};

std::string headOf(const std::string& path, std::size_t length)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

// A JPEG that was cut short has no end-of-image marker at its end (bytes some cameras pad
// after it are allowed). Only a sign: such a file is decoded to find out.
bool endsWithEndOfImage(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 64);
    std::string bytes(static_cast<std::size_t>(tail), '\0');
    in.seekg(size - tail);
    in.read(bytes.data(), tail);
    const auto end = bytes.find_last_not_of(std::string("\0\r\n ", 4));
    return end != std::string::npos && end >= 1 && bytes.compare(end - 1, 2, "\xFF\xD9") == 0;
}

double dotsPerInch(double pixelsPerMillimetre)
{
    // libvips gives 1 pixel a millimetre when the file states nothing.
    return pixelsPerMillimetre > 1.0001 ? pixelsPerMillimetre * 25.4 : 72.0;
}

std::int64_t budgetFor(const PictureFormat& format, const PictureIntake::Options* options)
{
    const std::int64_t own = format.maxPixels;
    return options && options->maxPixels > 0 ? std::min(own, options->maxPixels) : own;
}

std::optional<PictureOutcome> checkBudget(const std::string& path, std::int64_t width, std::int64_t height,
                                          std::int64_t budget)
{
    if (width <= 0 || height <= 0)
        return failed(path, kNotAPicture);
    if (width * height <= budget)
        return std::nullopt;
    return failed(path, log::format("%lld by %lld pixels is more than the %lld million a picture may have",
                                    static_cast<long long>(width), static_cast<long long>(height),
                                    static_cast<long long>(budget / 1'000'000)));
}

// Reads the header; fills outcome and gives none for what cannot be read.
std::optional<Opened> open(const std::string& path, const PictureIntake::Options* options, PictureOutcome& outcome)
{
    vips::ensureStarted();
    outcome = PictureOutcome{PictureOutcome::Status::ok, path, {}};
    if (!file::isRegularFile(path)) {
        outcome = failed(path, file::exists(path) ? kNotAPicture : "no such file");
        return std::nullopt;
    }
    Opened opened;
    const std::string head = headOf(path, 32);
    if (const std::optional<BitmapHeader> bitmap = readBitmapHeader(head)) {
        opened.format = &bitmapFormat();
        if (auto refused = checkBudget(path, bitmap->width, bitmap->height, budgetFor(*opened.format, options))) {
            outcome = *refused;
            return std::nullopt;
        }
        opened.bytes = file::readFile(path).value_or("");
        opened.size.width = bitmap->width;
        opened.size.height = bitmap->height;
        return opened;
    }
    const vips::Source source(vips_source_new_from_file(path.c_str()));
    const char* loader = source ? vips_foreign_find_load_source(source.get()) : nullptr;
    opened.format = loader ? formatForLoader(loader) : nullptr;
    if (opened.format)
        opened.header.reset(vips_image_new_from_source(source.get(), "", "access", VIPS_ACCESS_SEQUENTIAL, nullptr));
    if (!opened.header) {
        PW_LOG_INFO("%s: %s", path.c_str(), vips::takeError().c_str());
        outcome = failed(path, kNotAPicture);
        return std::nullopt;
    }
    VipsImage* header = opened.header.get();
    if (auto refused = checkBudget(path, vips_image_get_width(header), vips_image_get_height(header),
                                   budgetFor(*opened.format, options))) {
        outcome = *refused;
        return std::nullopt;
    }
    if (vips_image_get_typeof(header, VIPS_META_ORIENTATION) != 0)
        vips_image_get_int(header, VIPS_META_ORIENTATION, &opened.orientation);
    const bool turned = opened.orientation >= 5 && opened.orientation <= 8;
    opened.size.width = turned ? vips_image_get_height(header) : vips_image_get_width(header);
    opened.size.height = turned ? vips_image_get_width(header) : vips_image_get_height(header);
    opened.size.dpiX = dotsPerInch(turned ? vips_image_get_yres(header) : vips_image_get_xres(header));
    opened.size.dpiY = dotsPerInch(turned ? vips_image_get_xres(header) : vips_image_get_yres(header));
    return opened;
}

// Whether the picture carries a colour profile other than sRGB, which it must be converted from.
bool hasForeignProfile(VipsImage* header)
{
    const void* profile = nullptr;
    std::size_t length = 0;
    return vips_image_get_typeof(header, VIPS_META_ICC_NAME) != 0 &&
           (vips_image_get_blob(header, VIPS_META_ICC_NAME, &profile, &length) != 0 || !isSrgbProfile(profile, length));
}

// A JPEG that a browser shows as it should, as it is: upright, in sRGB or untagged, not CMYK,
// small enough, and complete.
bool showsAsItIs(const Opened& opened, const std::string& path, int maxSide)
{
    VipsImage* header = opened.header.get();
    if (!header || opened.format->kind != PictureFormat::Kind::jpeg || opened.orientation > 1)
        return false;
    const VipsInterpretation interpretation = vips_image_get_interpretation(header);
    if (interpretation != VIPS_INTERPRETATION_sRGB && interpretation != VIPS_INTERPRETATION_B_W)
        return false;
    if (std::max(opened.size.width, opened.size.height) > maxSide || hasForeignProfile(header))
        return false;
    return endsWithEndOfImage(path);
}

// Takes what a libvips call made; made is read after the call (argument order is unspecified).
vips::Image step(int status, VipsImage*& made)
{
    vips::Image image(made);
    return status == 0 ? std::move(image) : nullptr;
}

// Brings a decoded picture to 8-bit sRGB (or grey, for a grey source) without transparency.
vips::Image finish(vips::Image image, bool grey)
{
    VipsImage* out = nullptr;
    const VipsInterpretation wanted = grey ? VIPS_INTERPRETATION_B_W : VIPS_INTERPRETATION_sRGB;
    if (vips_image_get_interpretation(image.get()) != wanted || vips_image_get_format(image.get()) != VIPS_FORMAT_UCHAR)
        image = step(vips_colourspace(image.get(), &out, wanted, nullptr), out);
    if (image && vips_image_get_format(image.get()) != VIPS_FORMAT_UCHAR)
        image = step(vips_cast(image.get(), &out, VIPS_FORMAT_UCHAR, nullptr), out);
    if (image && vips_image_hasalpha(image.get())) {
        const std::array<double, 3> white = {255, 255, 255};
        VipsArrayDouble* background = vips_array_double_new(white.data(), vips_image_get_bands(image.get()) - 1);
        image = step(vips_flatten(image.get(), &out, "background", background, nullptr), out);
        vips_area_unref(VIPS_AREA(background));
        if (image && vips_image_get_format(image.get()) != VIPS_FORMAT_UCHAR)
            image = step(vips_cast(image.get(), &out, VIPS_FORMAT_UCHAR, nullptr), out);
    }
    return image;
}

bool isGrey(const Opened& opened)
{
    if (!opened.header)
        return false;
    const VipsInterpretation interpretation = vips_image_get_interpretation(opened.header.get());
    return interpretation == VIPS_INTERPRETATION_B_W || interpretation == VIPS_INTERPRETATION_GREY16;
}

// The picture decoded, turned upright and shrunk to fit maxSide, with colours in sRGB.
// failOn decides which decoder complaints end the reading.
vips::Image decode(const Opened& opened, const std::string& path, int maxSide, VipsFailOn failOn)
{
    VipsImage* out = nullptr;
    if (!opened.header) {
        const std::optional<BitmapDecoder::Pixels> bitmap = BitmapDecoder::decode(opened.bytes);
        if (!bitmap)
            return nullptr;
        const vips::Image pixels(vips_image_new_from_memory_copy(bitmap->rgb.data(), bitmap->rgb.size(),
                                                                 bitmap->width, bitmap->height, 3,
                                                                 VIPS_FORMAT_UCHAR));
        if (!pixels)
            return nullptr;
        return step(vips_thumbnail_image(pixels.get(), &out, maxSide, "height", maxSide, "size", VIPS_SIZE_DOWN,
                                         nullptr),
                    out);
    }
    const vips::Source source(vips_source_new_from_file(path.c_str()));
    if (!source)
        return nullptr;
    // libvips 8.14 hands the loader its fail_on only through the option string.
    const char* loaderOptions = failOn == VIPS_FAIL_ON_WARNING ? "fail_on=warning" : "fail_on=none";
    // It converts CMYK by itself, RGB only when asked to; an untagged picture is left as it is.
    const char* exportProfile = hasForeignProfile(opened.header.get()) ? "srgb" : nullptr;
    vips::Image image = step(vips_thumbnail_source(source.get(), &out, maxSide, "height", maxSide, "size",
                                                   VIPS_SIZE_DOWN, "option_string", loaderOptions, "export_profile",
                                                   exportProfile, nullptr),
                             out);
    return image ? finish(std::move(image), isGrey(opened)) : nullptr;
}

std::optional<std::string> encode(VipsImage* image, bool png, int quality)
{
    void* buffer = nullptr;
    std::size_t length = 0;
    const int status = png ? vips_pngsave_buffer(image, &buffer, &length, "compression", 6, "strip", TRUE, nullptr)
                           : vips_jpegsave_buffer(image, &buffer, &length, "Q", std::clamp(quality, 1, 100), "strip",
                                                  TRUE, nullptr);
    std::optional<std::string> bytes;
    if (status == 0)
        bytes.emplace(static_cast<const char*>(buffer), length);
    g_free(buffer);
    return bytes;
}

// PNG only pays for drawings and pictures with transparency, and only when it comes out smaller.
bool mayBePng(const Opened& opened, const PictureIntake::Options& options, int width, int height)
{
    if (!options.allowPng || !opened.format->lossless)
        return false;
    constexpr std::int64_t kSmallDrawing = 1'000'000;
    const bool transparent = opened.header && vips_image_hasalpha(opened.header.get());
    return transparent || std::int64_t{width} * height <= kSmallDrawing;
}

bool makePicture(const Opened& opened, const std::string& path, const PictureIntake::Options& options,
                 VipsFailOn failOn, PictureIntake::Picture& picture)
{
    vips::Image image = decode(opened, path, options.maxSide, failOn);
    if (!image)
        return false;
    picture.width = vips_image_get_width(image.get());
    picture.height = vips_image_get_height(image.get());
    const bool pngToo = mayBePng(opened, options, picture.width, picture.height);
    // Two encodings read the pixels twice, which a file decoded in sequence cannot give:
    // the (small) picture is kept in memory for them.
    if (pngToo)
        image.reset(vips_image_copy_memory(image.get()));
    // The whole pipeline runs here, so this is where a damaged file shows.
    std::optional<std::string> jpeg = image ? encode(image.get(), false, options.quality) : std::nullopt;
    if (!jpeg)
        return false;
    picture.bytes = std::move(*jpeg);
    if (pngToo) {
        std::optional<std::string> png = encode(image.get(), true, options.quality);
        if (png && png->size() < picture.bytes.size()) {
            picture.bytes = std::move(*png);
            picture.png = true;
        }
    }
    return true;
}

std::string lowerExtension(const std::string& path)
{
    const std::string name = file::lastPathComponent(path);
    const auto dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

std::string PictureOutcome::message() const
{
    switch (status) {
    case Status::ok:
        return {};
    case Status::damaged:
        return path + " is damaged; its page may show grey";
    case Status::unreadable:
        break;
    }
    return "skipped " + pathAndReason();
}

std::string PictureOutcome::noneReadable(const std::vector<PictureOutcome>& outcomes)
{
    std::string list;
    for (const PictureOutcome& outcome : outcomes)
        list += (list.empty() ? "" : "; ") + outcome.pathAndReason();
    return "none of the files is a picture that can be read (" + list + ")";
}

const std::vector<std::string>& PictureIntake::acceptedExtensions()
{
    static const std::vector<std::string> extensions = [] {
        std::vector<std::string> all;
        for (const PictureFormat& format : pictureFormats()) {
            if (format.isRead())
                all.insert(all.end(), format.extensions.begin(), format.extensions.end());
        }
        return all;
    }();
    return extensions;
}

bool PictureIntake::isAcceptedFileName(const std::string& path)
{
    const std::vector<std::string>& accepted = acceptedExtensions();
    return std::find(accepted.begin(), accepted.end(), lowerExtension(path)) != accepted.end();
}

std::optional<PictureIntake::Size> PictureIntake::readSize(const std::string& path, PictureOutcome* outcome)
{
    PictureOutcome own;
    PictureOutcome& told = outcome ? *outcome : own;
    const std::optional<Opened> opened = open(path, nullptr, told);
    if (!opened)
        return std::nullopt;
    return opened->size;
}

PictureIntake::Picture PictureIntake::pagePicture(const std::string& path, const Options& options)
{
    Picture picture;
    const std::optional<Opened> opened = open(path, &options, picture.outcome);
    if (!opened)
        return picture;
    picture.source = opened->size;
    if (options.keepOriginal && showsAsItIs(*opened, path, options.maxSide)) {
        picture.original = true;
        picture.width = opened->size.width;
        picture.height = opened->size.height;
        return picture;
    }
    if (makePicture(*opened, path, options, VIPS_FAIL_ON_WARNING, picture))
        return picture;
    PW_LOG_INFO("%s: %s", path.c_str(), vips::takeError().c_str());
    // Cut short or damaged: what the decoder can make of it, grey where data is missing.
    if (makePicture(*opened, path, options, VIPS_FAIL_ON_NONE, picture)) {
        picture.outcome.status = PictureOutcome::Status::damaged;
        return picture;
    }
    PW_LOG_INFO("%s: %s", path.c_str(), vips::takeError().c_str());
    picture.outcome = failed(path, kNotAPicture);
    return picture;
}

PictureIntake::Picture PictureIntake::thumbnailJpeg(const std::string& path, int maxSide)
{
    Options options;
    options.maxSide = std::max(1, maxSide);
    options.quality = 85;
    options.keepOriginal = false;
    options.allowPng = false;
    return pagePicture(path, options);
}

std::string PictureIntake::Picture::extension() const
{
    return png ? "png" : "jpg";
}

} // namespace pw
