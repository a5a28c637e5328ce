#include "pdf/IconPictures.h"

#include <algorithm>
#include <cmath>

#include "base/Log.h"
#include "pdf/PdfContext.h"

namespace pw {

using pdf::guarded;
using pdf::threadContext;

namespace {

struct RgbPixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes;  // RGB triples, rows without padding
};

RgbPixels decodeRgb(fz_context* ctx, const std::string& path)
{
    fz_image* image = nullptr;
    fz_pixmap* decoded = nullptr;
    fz_pixmap* converted = nullptr;
    char message[256] = {};
    RgbPixels rgb;
    const bool ok = guarded(
        ctx,
        [&] {
            image = fz_new_image_from_file(ctx, path.c_str());
            decoded = fz_get_pixmap_from_image(ctx, image, nullptr, nullptr, nullptr, nullptr);
            if (decoded->alpha || decoded->n != 3 || !fz_colorspace_is_rgb(ctx, decoded->colorspace))
                converted = fz_convert_pixmap(ctx, decoded, fz_device_rgb(ctx), nullptr, nullptr, fz_default_color_params, 0);
        },
        &message);
    const fz_pixmap* pixels = converted ? converted : decoded;
    if (ok && pixels && pixels->n == 3 && pixels->w > 0 && pixels->h > 0) {
        rgb.width = pixels->w;
        rgb.height = pixels->h;
        for (int y = 0; y < pixels->h; ++y) {
            const unsigned char* row = pixels->samples + static_cast<std::ptrdiff_t>(y) * pixels->stride;
            rgb.bytes.insert(rgb.bytes.end(), row, row + 3 * pixels->w);
        }
    } else {
        PW_LOG_WARN("no icon from %s: %s", path.c_str(), message);
    }
    fz_drop_pixmap(ctx, converted);
    fz_drop_pixmap(ctx, decoded);
    fz_drop_image(ctx, image);
    return rgb;
}

// The picture shrunk into a width by height box of the square's premultiplied RGBA pixels, each
// target pixel the mean of the source pixels it covers.
void drawShrunk(const RgbPixels& source, int size, int left, int top, int width, int height, std::vector<unsigned char>& rgba)
{
    for (int y = 0; y < height; ++y) {
        const int y0 = y * source.height / height;
        const int y1 = std::max(y0 + 1, (y + 1) * source.height / height);
        for (int x = 0; x < width; ++x) {
            const int x0 = x * source.width / width;
            const int x1 = std::max(x0 + 1, (x + 1) * source.width / width);
            unsigned long sum[3] = {0, 0, 0};
            for (int sy = y0; sy < y1; ++sy) {
                const unsigned char* pixel = source.bytes.data() + (static_cast<std::size_t>(sy) * source.width + x0) * 3;
                for (int sx = x0; sx < x1; ++sx, pixel += 3) {
                    sum[0] += pixel[0];
                    sum[1] += pixel[1];
                    sum[2] += pixel[2];
                }
            }
            const unsigned long count = static_cast<unsigned long>(y1 - y0) * static_cast<unsigned long>(x1 - x0);
            const bool edge = size >= 32 && (x == 0 || y == 0 || x == width - 1 || y == height - 1);
            unsigned char* out = rgba.data() + (static_cast<std::size_t>(top + y) * size + left + x) * 4;
            for (int c = 0; c < 3; ++c)
                out[c] = edge ? 0x9a : static_cast<unsigned char>(sum[c] / count);
            out[3] = 0xFF;
        }
    }
}

std::string encodePng(fz_context* ctx, int size, std::vector<unsigned char>& rgba)
{
    fz_pixmap* pixmap = nullptr;
    fz_buffer* buffer = nullptr;
    std::string png;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            pixmap = fz_new_pixmap_with_data(ctx, fz_device_rgb(ctx), size, size, nullptr, 1, size * 4, rgba.data());
            buffer = fz_new_buffer_from_pixmap_as_png(ctx, pixmap, fz_default_color_params);
        },
        &message);
    if (ok) {
        unsigned char* data = nullptr;
        const std::size_t length = fz_buffer_storage(ctx, buffer, &data);
        png.assign(reinterpret_cast<const char*>(data), length);
    } else {
        PW_LOG_WARN("an icon picture could not be encoded: %s", message);
    }
    fz_drop_buffer(ctx, buffer);
    fz_drop_pixmap(ctx, pixmap);
    return png;
}

} // namespace

std::map<int, std::string> iconPictures(const std::string& picturePath, const std::vector<int>& sizes)
{
    std::map<int, std::string> pictures;
    fz_context* ctx = threadContext();
    const RgbPixels source = decodeRgb(ctx, picturePath);
    if (source.bytes.empty())
        return pictures;
    for (const int size : sizes) {
        if (size <= 0)
            continue;
        const double room = size * 0.9;
        const double scale = std::min(room / source.width, room / source.height);
        const int width = std::clamp(static_cast<int>(std::lround(source.width * scale)), 1, size);
        const int height = std::clamp(static_cast<int>(std::lround(source.height * scale)), 1, size);
        std::vector<unsigned char> rgba(static_cast<std::size_t>(size) * size * 4, 0);
        drawShrunk(source, size, (size - width) / 2, (size - height) / 2, width, height, rgba);
        if (std::string png = encodePng(ctx, size, rgba); !png.empty())
            pictures.emplace(size, std::move(png));
    }
    return pictures;
}

} // namespace pw
