#pragma once

#include <optional>
#include <string>

#include "pdf/PDFDocument.h"

namespace pw {

// Encodes pictures without colour, such as pages of print, as PNG in 16 shades of grey: edges
// of letters keep their smoothing, and sharp black on white packs far smaller than in JPEG.
class PngEncoder {
public:
    // The PNG bytes (4 bits a pixel, grey) of the image's first channel; none for an empty image.
    // Callers pass pictures whose three channels agree.
    static std::optional<std::string> encodeGrey16(const RgbImage& image);
};

} // namespace pw
