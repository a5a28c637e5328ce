#include "picture/PictureFormats.h"

#include <algorithm>
#include <cstdlib>

#include <lcms2.h>
#include <libheif/heif.h>

#include "picture/PictureIntake.h"

namespace pw {

namespace {

constexpr std::int64_t kJpeg = PictureIntake::kMaxJpegPixels;
constexpr std::int64_t kWhole = PictureIntake::kMaxPixels;

std::int64_t littleEndian(const std::string& bytes, std::size_t at, int length)
{
    std::int64_t value = 0;
    for (int i = length - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

const std::vector<PictureFormat>& pictureFormats()
{
    using enum PictureFormat::Kind;
    static const std::vector<PictureFormat> formats = {
        {jpeg, {"jpg", "jpeg", "jpe"}, "VipsForeignLoadJpegSource", kJpeg, false},
        {png, {"png"}, "VipsForeignLoadPngSource", kWhole, true},
        {heif, {"heic", "heif"}, "VipsForeignLoadHeifSource", kWhole, false},
        {heif, {"avif"}, "VipsForeignLoadHeifSource", kWhole, false},
        {webp, {"webp"}, "VipsForeignLoadWebpSource", kWhole, true},
        {tiff, {"tif", "tiff"}, "VipsForeignLoadTiffSource", kWhole, true},
        {bmp, {"bmp"}, nullptr, kWhole, true},
        {gif, {"gif"}, "VipsForeignLoadNsgifSource", kWhole, true},
    };
    return formats;
}

bool PictureFormat::isRead() const
{
    if (std::find(extensions.begin(), extensions.end(), "avif") == extensions.end())
        return true;
    static const bool av1 = [] {
        heif_init(nullptr);  // loads libheif's decoder plugins, where it has them
        return heif_have_decoder_for_format(heif_compression_AV1) != 0;
    }();
    return av1;
}

const PictureFormat* formatForLoader(const std::string& loader)
{
    const auto& formats = pictureFormats();
    const auto found = std::find_if(formats.begin(), formats.end(),
                                    [&loader](const PictureFormat& f) { return f.loader && loader == f.loader; });
    return found == formats.end() ? nullptr : &*found;
}

const PictureFormat& bitmapFormat()
{
    const auto& formats = pictureFormats();
    return *std::find_if(formats.begin(), formats.end(), [](const PictureFormat& f) { return f.kind == PictureFormat::Kind::bmp; });
}

std::optional<BitmapHeader> readBitmapHeader(const std::string& head)
{
    if (head.size() < 26 || head.compare(0, 2, "BM") != 0)
        return std::nullopt;
    // The OS/2 header (12 bytes) has 16-bit sides; every later one 32-bit, a negative height
    // meaning rows from the top.
    const bool os2 = littleEndian(head, 14, 4) == 12;
    const std::int64_t width = os2 ? littleEndian(head, 18, 2) : static_cast<std::int32_t>(littleEndian(head, 18, 4));
    const std::int64_t height = os2 ? littleEndian(head, 20, 2) : static_cast<std::int32_t>(littleEndian(head, 22, 4));
    return BitmapHeader{width, std::abs(height)};
}

bool isSrgbProfile(const void* data, std::size_t length)
{
    cmsHPROFILE profile = cmsOpenProfileFromMem(data, static_cast<cmsUInt32Number>(length));
    if (!profile)
        return false;
    char description[256] = {};
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", description, sizeof description);
    const bool rgb = cmsGetColorSpace(profile) == cmsSigRgbData;
    cmsCloseProfile(profile);
    return rgb && std::string(description).find("sRGB") != std::string::npos;
}

} // namespace pw
