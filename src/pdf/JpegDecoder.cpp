#include "pdf/JpegDecoder.h"

#include <memory>

#include <turbojpeg.h>

namespace pw {

namespace {

struct HandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

} // namespace

bool JpegDecoder::decodeRgb(const unsigned char* data, std::size_t size, int width, int height,
                            std::vector<unsigned char>& rgb)
{
    if (!data || size == 0 || width <= 0 || height <= 0)
        return false;
    const std::unique_ptr<void, HandleDeleter> handle(tjInitDecompress());
    if (!handle)
        return false;
    int statedWidth = 0;
    int statedHeight = 0;
    int subsampling = 0;
    int colourspace = 0;
    if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &statedWidth, &statedHeight,
                            &subsampling, &colourspace) != 0)
        return false;
    if (statedWidth != width || statedHeight != height || colourspace == TJCS_CMYK || colourspace == TJCS_YCCK)
        return false;
    rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    // Any complaint, even a warning about a truncated file, sends the picture back to MuPDF,
    // which knows how to show what there is of it.
    return tjDecompress2(handle.get(), data, static_cast<unsigned long>(size), rgb.data(), width, 0, height, TJPF_RGB,
                         0) == 0;
}

} // namespace pw
