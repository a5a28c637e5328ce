#include "pdf/BitmapDecoder.h"

#include <algorithm>

#include "base/Log.h"
#include "pdf/PdfContext.h"

namespace pw {

using pdf::guarded;

std::optional<BitmapDecoder::Pixels> BitmapDecoder::decode(const std::string& bytes)
{
    fz_context* ctx = pdf::threadContext();
    fz_buffer* buffer = nullptr;
    fz_image* image = nullptr;
    fz_pixmap* decoded = nullptr;
    fz_pixmap* rgb = nullptr;
    char message[256] = {};
    const bool ok = guarded(
        ctx,
        [&] {
            buffer = fz_new_buffer_from_copied_data(ctx, reinterpret_cast<const unsigned char*>(bytes.data()),
                                                     bytes.size());
            image = fz_new_image_from_buffer(ctx, buffer);
            decoded = fz_get_pixmap_from_image(ctx, image, nullptr, nullptr, nullptr, nullptr);
            const bool plainRgb = fz_colorspace_is_rgb(ctx, decoded->colorspace) && decoded->n - decoded->alpha == 3;
            if (!plainRgb)
                rgb = fz_convert_pixmap(ctx, decoded, fz_device_rgb(ctx), nullptr, nullptr, fz_default_color_params,
                                        decoded->alpha);
        },
        &message);
    std::optional<Pixels> result;
    const fz_pixmap* pixels = rgb ? rgb : decoded;
    if (ok && pixels && pixels->w > 0 && pixels->h > 0) {
        result.emplace();
        result->width = pixels->w;
        result->height = pixels->h;
        result->rgb.reserve(static_cast<std::size_t>(pixels->w) * static_cast<std::size_t>(pixels->h) * 3);
        for (int y = 0; y < pixels->h; ++y) {
            const unsigned char* at = pixels->samples + static_cast<std::ptrdiff_t>(y) * pixels->stride;
            for (int x = 0; x < pixels->w; ++x, at += pixels->n) {
                // MuPDF's alpha is premultiplied: on white, a colour gains what the alpha leaves.
                const int white = pixels->alpha ? 255 - at[3] : 0;
                for (int c = 0; c < 3; ++c)
                    result->rgb.push_back(static_cast<unsigned char>(std::min(255, at[c] + white)));
            }
        }
    } else if (!ok) {
        PW_LOG_DEBUG("not a bitmap MuPDF reads: %s", message);
    }
    fz_drop_pixmap(ctx, rgb);
    fz_drop_pixmap(ctx, decoded);
    fz_drop_image(ctx, image);
    fz_drop_buffer(ctx, buffer);
    return result;
}

} // namespace pw
