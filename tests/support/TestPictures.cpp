#include "support/TestPictures.h"

#include <turbojpeg.h>
#include <cmath>
#include <cstdlib>
#include <vips/vips.h>

#include "base/FileUtil.h"
#include "picture/VipsRuntime.h"
#include "support/ScratchFolder.h"

namespace pw::test {

namespace {

using Status = PictureOutcome::Status;

bool has(const std::string& name, const char* part)
{
    return name.find(part) != std::string::npos;
}

// The upright picture of the case: the marker in the top-left quarter, its colour elsewhere.
vips::Image upright(const PictureCase& c)
{
    const Rgb marker = c.grey ? kGreyMarker : kMarker;
    std::vector<unsigned char> rgb;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const Rgb& at = x < c.width / 2 && y < c.height / 2 ? marker : c.colour;
            rgb.insert(rgb.end(), {static_cast<unsigned char>(at.r), static_cast<unsigned char>(at.g),
                                   static_cast<unsigned char>(at.b)});
        }
    }
    return vips::Image(vips_image_new_from_memory_copy(rgb.data(), rgb.size(), c.width, c.height, 3, VIPS_FORMAT_UCHAR));
}

// The picture as stored by a camera that tags it with this orientation: turned (and mirrored)
// so that applying the orientation shows it upright again.
vips::Image storedFor(vips::Image image, int orientation)
{
    VipsImage* out = nullptr;
    const auto apply = [&](int status) {
        image.reset(status == 0 ? out : nullptr);
    };
    if (orientation == 3)
        apply(vips_rot(image.get(), &out, VIPS_ANGLE_D180, nullptr));
    if (orientation == 5 || orientation == 6)
        apply(vips_rot(image.get(), &out, VIPS_ANGLE_D270, nullptr));
    if (orientation == 8)
        apply(vips_rot(image.get(), &out, VIPS_ANGLE_D90, nullptr));
    if (orientation == 5)
        apply(vips_flip(image.get(), &out, VIPS_DIRECTION_VERTICAL, nullptr));
    apply(vips_copy(image.get(), &out, nullptr));  // metadata of its own
    vips_image_set_int(image.get(), VIPS_META_ORIENTATION, orientation);
    return image;
}

vips::Image transformed(const vips::Image& image, const char* profile)
{
    VipsImage* out = nullptr;
    vips_icc_transform(image.get(), &out, profile, "input_profile", "srgb", nullptr);
    return vips::Image(out);
}

vips::Image converted(const vips::Image& image, VipsInterpretation space)
{
    VipsImage* out = nullptr;
    vips_colourspace(image.get(), &out, space, nullptr);
    return vips::Image(out);
}

// A transparent picture: the marker opaque, the rest fully transparent.
vips::Image withAlpha(const vips::Image& image, const PictureCase& c)
{
    VipsImage* alpha = nullptr;
    VipsImage* out = nullptr;
    vips_black(&alpha, c.width, c.height, nullptr);
    const vips::Image black(alpha);
    vips_draw_rect1(black.get(), 255, 0, 0, c.width / 2, c.height / 2, "fill", TRUE, nullptr);
    vips_bandjoin2(image.get(), black.get(), &out, nullptr);
    const vips::Image joined(out);
    vips_cast(joined.get(), &out, VIPS_FORMAT_UCHAR, nullptr);
    return vips::Image(out);
}

// YCCK, as some print workflows send CMYK: the CMYK JPEG's stored values encoded again.
std::string ycckOf(const std::string& cmykJpeg)
{
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, space = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(cmykJpeg.data());
    tjDecompressHeader3(decoder, data, cmykJpeg.size(), &width, &height, &subsampling, &space);
    std::vector<unsigned char> cmyk(std::size_t(width) * std::size_t(height) * 4);
    tjDecompress2(decoder, data, cmykJpeg.size(), cmyk.data(), width, 0, height, TJPF_CMYK, 0);
    tjDestroy(decoder);
    tjhandle encoder = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long length = 0;
    tjCompress2(encoder, cmyk.data(), width, 0, height, TJPF_CMYK, &out, &length, TJSAMP_444, 95, 0);
    std::string ycck(reinterpret_cast<const char*>(out), length);
    tjFree(out);
    tjDestroy(encoder);
    return ycck;
}

// The picture written by a program: BMP by ImageMagick (libvips saves none), HEIC by vips (its
// HEVC encoder keeps memory to the end of the process). command names the files IN and OUT.
std::string throughProgram(const vips::Image& image, std::string command)
{
    const ScratchFolder folder;
    const std::string in = folder / "in.png";
    const std::string out = folder / "out";
    vips_image_write_to_file(image.get(), in.c_str(), nullptr);
    command.replace(command.find("IN"), 2, in);
    command.replace(command.find("OUT"), 3, out);
    return std::system(command.c_str()) == 0 ? file::readFile(out).value_or("") : std::string();
}

std::string saved(const vips::Image& image, const std::string& name, bool strip = false)
{
    const std::string suffix = name.substr(name.rfind('.'));
    const std::string options = suffix == ".gif" || suffix == ".png" ? "" : strip ? "[Q=95,strip]" : "[Q=95]";
    void* buffer = nullptr;
    std::size_t length = 0;
    vips_image_write_to_buffer(image.get(), (suffix + options).c_str(), &buffer, &length, nullptr);
    std::string bytes(static_cast<const char*>(buffer), length);
    g_free(buffer);
    return bytes;
}

std::string bytesFor(const PictureCase& c)
{
    const std::string& name = c.name;
    if (has(name, "empty"))
        return {};
    if (has(name, "text"))
        return "Dear reader, this is a letter, not a picture.\n";
    if (has(name, "huge"))  // a PNG claiming 100000 by 100000 pixels, a few zeros behind it
        return std::string("\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x01\x86\xa0\x00\x01\x86\xa0\x08\x02\x00\x00\x00\x27\x30\x9c\x9f\x00\x00\x00\x11\x49\x44\x41\x54\x78\x9c\x63\x60\x18\x05\xa3\x60\x14\x0c\x77\x00\x00\x03\xe8\x00\x01\xb3\xa6\xd3\x46", 62);
    vips::Image image = upright(c);
    if (has(name, "orientation-"))
        image = storedFor(std::move(image), name[name.find('-') + 1] - '0');
    if (has(name, "adobe-rgb"))
        image = transformed(image, "/usr/share/color/icc/compatibleWithAdobeRGB1998.icc");
    if (has(name, "cmyk") || has(name, "ycck"))
        image = transformed(image, "cmyk");
    if (c.grey)
        image = converted(image, VIPS_INTERPRETATION_B_W);
    if (has(name, "deep"))
        image = converted(image, VIPS_INTERPRETATION_RGB16);
    if (has(name, "transparent"))
        image = withAlpha(image, c);
    if (has(name, ".bmp"))
        return throughProgram(image, "convert IN BMP3:OUT");
    if (has(name, "ycck"))
        return ycckOf(saved(image, name, true));
    if (has(name, ".heic"))
        return throughProgram(image, "vips heifsave IN OUT --Q 95");
    const std::string bytes = saved(image, name, has(name, "bare"));
    // Cut short halfway through its compressed data, after the start-of-scan header.
    const std::size_t scan = bytes.find("\xFF\xDA");
    return has(name, "cut") ? bytes.substr(0, scan + (bytes.size() - scan) / 2) : bytes;
}

} // namespace

const std::vector<PictureCase>& pictureCases()
{
    static const std::vector<PictureCase> cases = {
        {"upright.jpg"},
        {"orientation-3.jpg"},
        {"orientation-5.jpg", Status::ok, 48, 64},
        {"orientation-6.jpg", Status::ok, 48, 64},
        {"orientation-8.jpg"},
        {"adobe-rgb.jpg"},
        {"cmyk-profile.jpg", Status::ok, 64, 48, {90, 120, 60}},
        {"cmyk-bare.jpg", Status::ok, 64, 48, {90, 120, 60}},
        {"ycck.jpg", Status::ok, 64, 48, {90, 120, 60}},
        {"photo.heic"},
        {"photo.webp"},
        {"photo.tif"},
        {"photo.bmp"},
        {"photo.gif"},
        {"deep.png"},
        {"transparent.png", Status::ok, 64, 48, {255, 255, 255}},
        {"grey.jpg", Status::ok, 64, 48, {170, 170, 170}, true},
        {"empty.jpg", Status::unreadable},
        {"text.jpg", Status::unreadable},
        {"huge.png", Status::unreadable},
        {"cut.jpg", Status::damaged},
    };
    return cases;
}

std::string writePicture(const std::string& folder, const PictureCase& c)
{
    vips::ensureStarted();
    const std::string path = file::joinPath(folder, c.name);
    if (!file::createDirectories(folder) || !file::writeFileReplacing(path, bytesFor(c)))
        throw std::runtime_error("cannot write " + path);
    return path;
}

::testing::AssertionResult showsCase(const std::string& path, const PictureCase& c, double tolerance)
{
    vips::ensureStarted();
    const vips::Image image(vips_image_new_from_file(path.c_str(), nullptr));
    if (!image)
        return ::testing::AssertionFailure() << path << " cannot be read: " << vips::takeError();
    const int width = vips_image_get_width(image.get());
    const int height = vips_image_get_height(image.get());
    if (width != c.width || height != c.height)
        return ::testing::AssertionFailure() << path << " is " << width << "x" << height;
    if (c.grey != (vips_image_get_bands(image.get()) == 1))
        return ::testing::AssertionFailure() << path << " has " << vips_image_get_bands(image.get()) << " bands";
    if (c.status != Status::ok)
        return ::testing::AssertionSuccess();  // grey where data is missing
    const Rgb marker = c.grey ? kGreyMarker : kMarker;
    const struct {
        int x, y;
        Rgb want;
    } spots[] = {{width / 4, height / 4, marker}, {width * 3 / 4, height * 3 / 4, c.colour}};
    for (const auto& spot : spots) {
        double* values = nullptr;
        int count = 0;
        vips_getpoint(image.get(), &values, &count, spot.x, spot.y, nullptr);
        const double want[] = {double(spot.want.r), double(spot.want.g), double(spot.want.b)};
        for (int i = 0; i < count && i < 3; ++i) {
            if (std::abs(values[i] - want[i]) > tolerance) {
                auto failure = ::testing::AssertionFailure() << path << " at " << spot.x << "," << spot.y << ":";
                for (int j = 0; j < count; ++j)
                    failure << " " << values[j];
                g_free(values);
                return failure << ", not " << spot.want.r << " " << spot.want.g << " " << spot.want.b;
            }
        }
        g_free(values);
    }
    return ::testing::AssertionSuccess();
}

} // namespace pw::test
