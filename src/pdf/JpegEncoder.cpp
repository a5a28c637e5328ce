#include "pdf/JpegEncoder.h"

#include <algorithm>
#include <memory>

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

} // namespace

std::optional<std::string> JpegEncoder::encode(const RgbImage& image, int quality)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return std::nullopt;
    const std::unique_ptr<void, HandleDeleter> handle(tjInitCompress());
    if (!handle)
        return std::nullopt;
    unsigned char* output = nullptr;
    unsigned long size = 0;
    const int failed = tjCompress2(handle.get(), image.pixels.data(), image.width, 0, image.height, TJPF_RGB,
                                   &output, &size, TJSAMP_420, std::clamp(quality, 1, 100), TJFLAG_FASTDCT);
    const std::unique_ptr<unsigned char, BufferDeleter> owned(output);
    if (failed != 0) {
        PW_LOG_ERROR("JPEG encoding failed: %s", tjGetErrorStr2(handle.get()));
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(owned.get()), size);
}

} // namespace pw
