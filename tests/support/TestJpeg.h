#pragma once

#include <turbojpeg.h>

#include <string>

#include "pdf/PDFDocument.h"

namespace pw::test {

// A JPEG file's pixels as TurboJPEG reads them, and its chroma subsampling (TJSAMP_*); no
// pixels when the header cannot be read.
inline RgbImage decodeJpeg(const std::string& jpeg, int* subsampling = nullptr)
{
    const auto* data = reinterpret_cast<const unsigned char*>(jpeg.data());
    RgbImage image;
    int chroma = -1, colourspace = -1;
    tjhandle decoder = tjInitDecompress();
    if (tjDecompressHeader3(decoder, data, jpeg.size(), &image.width, &image.height, &chroma, &colourspace) == 0) {
        image.pixels.resize(std::size_t(image.width) * std::size_t(image.height) * 3);
        if (tjDecompress2(decoder, data, jpeg.size(), image.pixels.data(), image.width, 0, image.height, TJPF_RGB, 0))
            image.pixels.clear();
    }
    tjDestroy(decoder);
    if (subsampling)
        *subsampling = chroma;
    return image;
}

} // namespace pw::test
