#pragma once

#include <optional>
#include <string>

#include "pdf/PDFDocument.h"

namespace pw {

// Encodes rendered pages as baseline JPEG (TurboJPEG): 4:2:0 chroma subsampling, or a single
// grey channel when no pixel has colour.
class JpegEncoder {
public:
    // The JPEG bytes of the image at quality 1..100 (clamped); none when encoding fails.
    static std::optional<std::string> encode(const RgbImage& image, int quality);
};

} // namespace pw
