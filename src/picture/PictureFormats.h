#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pw {

// The picture formats the intake reads, and how each is recognised.
struct PictureFormat {
    enum class Kind { jpeg, png, heif, webp, tiff, bmp, gif };
    Kind kind;
    std::vector<std::string> extensions;  // lower case, without the dot
    const char* loader;                   // libvips's loader for it; nullptr for BMP
    std::int64_t maxPixels;               // the pixel budget of its decoder
    bool lossless;                        // may come out as PNG

    // Whether this machine's libraries read it (AVIF needs an AV1 decoder in libheif).
    bool isRead() const;
};

const std::vector<PictureFormat>& pictureFormats();
// The format libvips's loader reads (by its type name, "VipsForeignLoadJpegSource"), or none when that
// loader is not one of ours.
const PictureFormat* formatForLoader(const std::string& loader);
const PictureFormat& bitmapFormat();

// A Windows BMP file's stated dimensions, from its first 26 bytes; none for other files.
struct BitmapHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;
};
std::optional<BitmapHeader> readBitmapHeader(const std::string& head);

// Whether an ICC profile describes sRGB (then a picture carrying it needs no conversion).
bool isSrgbProfile(const void* data, std::size_t length);

} // namespace pw
