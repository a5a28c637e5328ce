#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pw {

// Reads Windows BMP files with MuPDF's image reader, which knows every variant in use (1 to 32
// bits, RLE, bit fields, OS/2) and is hardened against hostile files. The caller checks the
// header's dimensions before.
class BitmapDecoder {
public:
    struct Pixels {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> rgb;  // rows without padding
    };
    // The picture in RGB, transparency laid on white, or none for bytes MuPDF cannot read as a picture.
    static std::optional<Pixels> decode(const std::string& bytes);
};

} // namespace pw
