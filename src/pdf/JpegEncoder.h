#pragma once

#include <optional>
#include <string>

#include "pdf/PDFDocument.h"

namespace pw {

// Encodes rendered pages as baseline JPEG with 4:2:0 chroma subsampling (TurboJPEG).
class JpegEncoder {
public:
    // The JPEG bytes of the image at quality 1..100 (clamped); none when encoding fails.
    static std::optional<std::string> encode(const RgbImage& image, int quality);
};

} // namespace pw
