#include "pdf/PngEncoder.h"

#include <cstdint>
#include <vector>

#include <zlib.h>

namespace pw {

namespace {

void appendBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xff));
}

void appendChunk(std::string& out, const char (&type)[5], const std::string& data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    appendBigEndian(out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

// Each row as PNG stores it: no filter (for packed shades the others seldom pay), then two
// pixels a byte, the shade of each the nearest of 16.
std::vector<unsigned char> packedRows(const RgbImage& image)
{
    const std::size_t rowBytes = 1 + (static_cast<std::size_t>(image.width) + 1) / 2;
    std::vector<unsigned char> rows(rowBytes * static_cast<std::size_t>(image.height), 0);
    const unsigned char* in = image.pixels.data();
    for (int y = 0; y < image.height; ++y) {
        unsigned char* out = rows.data() + rowBytes * static_cast<std::size_t>(y) + 1;
        for (int x = 0; x < image.width; ++x, in += 3) {
            const auto shade = static_cast<unsigned char>((in[0] * 15 + 127) / 255);
            out[x / 2] = static_cast<unsigned char>(out[x / 2] | (x % 2 == 0 ? shade << 4 : shade));
        }
    }
    return rows;
}

} // namespace

std::optional<std::string> PngEncoder::encodeGrey16(const RgbImage& image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return std::nullopt;
    const std::vector<unsigned char> rows = packedRows(image);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    // Level 5: nearly the size of the slowest level at a third of its time.
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 5) !=
        Z_OK)
        return std::nullopt;
    packed.resize(packedSize);

    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x04\x00\x00\x00\x00", 5);  // 4 bits, grey, deflate, no filter set, no interlace
    std::string png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace pw
