#include "pdf/JpegEncoder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <turbojpeg.h>

#include "base/Log.h"

namespace pw {

namespace {

struct HandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

struct BufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

// True when no pixel has colour. Rows are checked whole so the compiler can vectorise the
// inner loop, and the check stops at the first row with colour.
bool isGrey(const RgbImage& image)
{
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    const unsigned char* rgb = image.pixels.data();
    for (int y = 0; y < image.height; ++y, rgb += row) {
        unsigned char colour = 0;
        for (std::size_t x = 0; x < row; x += 3)
            colour |= static_cast<unsigned char>((rgb[x] ^ rgb[x + 1]) | (rgb[x + 1] ^ rgb[x + 2]));
        if (colour != 0)
            return false;
    }
    return true;
}

// The single channel of a grey image. Only made for grey pages, so photographs cost no
// second buffer.
std::vector<unsigned char> greyChannel(const RgbImage& image)
{
    std::vector<unsigned char> grey(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = image.pixels[3 * i];
    return grey;
}

} // namespace

std::optional<std::string> JpegEncoder::encode(const RgbImage& image, int quality)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return std::nullopt;
    const std::unique_ptr<void, HandleDeleter> handle(tjInitCompress());
    if (!handle)
        return std::nullopt;
    // Pages without colour (most text) go out as one grey channel: a third of the encoding
    // work and a smaller file that looks the same.
    const std::optional<std::vector<unsigned char>> grey =
        isGrey(image) ? std::optional(greyChannel(image)) : std::nullopt;
    unsigned char* output = nullptr;
    unsigned long size = 0;
    const int failed = grey ? tjCompress2(handle.get(), grey->data(), image.width, 0, image.height, TJPF_GRAY, &output,
                                          &size, TJSAMP_GRAY, std::clamp(quality, 1, 100), TJFLAG_FASTDCT)
                            : tjCompress2(handle.get(), image.pixels.data(), image.width, 0, image.height, TJPF_RGB,
                                          &output, &size, TJSAMP_420, std::clamp(quality, 1, 100), TJFLAG_FASTDCT);
    const std::unique_ptr<unsigned char, BufferDeleter> owned(output);
    if (failed != 0) {
        PW_LOG_ERROR("JPEG encoding failed: %s", tjGetErrorStr2(handle.get()));
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(owned.get()), size);
}

} // namespace pw
