#pragma once

#include <cstddef>
#include <vector>

namespace pw {

// Decodes JPEG pictures embedded in PDF pages (TurboJPEG), for pages that are one picture.
class JpegDecoder {
public:
    // The picture as RGB triples, rows without padding, into rgb (its buffer reused). False,
    // with rgb unspecified, for anything but a complete, undamaged JPEG of exactly width by
    // height pixels in grey or YCbCr/RGB (CMYK pictures need the PDF's colour handling).
    static bool decodeRgb(const unsigned char* data, std::size_t size, int width, int height,
                          std::vector<unsigned char>& rgb);
};

} // namespace pw
