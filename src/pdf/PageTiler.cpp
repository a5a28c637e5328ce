#include "pdf/PageTiler.h"

#include <algorithm>
#include <cstring>

#include "base/FileUtil.h"
#include "pdf/JpegEncoder.h"
#include "pdf/PngEncoder.h"

namespace pw {

namespace {

struct Kind {
    bool white = true;
    bool grey = true;
};

// The pixels x..x+width, y..y+height of picture into tile, whose buffer is reused.
void copyTile(const RgbImage& picture, int x, int y, int width, int height, RgbImage& tile)
{
    tile.width = width;
    tile.height = height;
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    tile.pixels.resize(row * static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r) {
        const unsigned char* from =
            picture.pixels.data() + (static_cast<std::size_t>(y + r) * static_cast<std::size_t>(picture.width) + x) * 3;
        std::memcpy(tile.pixels.data() + row * static_cast<std::size_t>(r), from, row);
    }
}

Kind kindOf(const RgbImage& tile)
{
    Kind kind;
    unsigned char notWhite = 0;
    unsigned char colour = 0;
    const std::size_t size = tile.pixels.size();
    const unsigned char* p = tile.pixels.data();
    for (std::size_t i = 0; i < size; i += 3) {
        notWhite |= static_cast<unsigned char>(~(p[i] & p[i + 1] & p[i + 2]));
        colour |= static_cast<unsigned char>((p[i] ^ p[i + 1]) | (p[i + 1] ^ p[i + 2]));
    }
    kind.white = notWhite == 0;
    kind.grey = colour == 0;
    return kind;
}

} // namespace

std::optional<TileLayout> PageTiler::writeTiles(const RgbImage& picture, const std::string& folder, int quality)
{
    if (picture.width <= 0 || picture.height <= 0 || !file::createDirectories(folder))
        return std::nullopt;
    TileLayout layout{picture.width, picture.height, kTileSize, {}};
    RgbImage tile;
    for (int row = 0; row < layout.rows(); ++row) {
        for (int column = 0; column < layout.columns(); ++column) {
            const int x = column * kTileSize;
            const int y = row * kTileSize;
            copyTile(picture, x, y, std::min(kTileSize + 1, picture.width - x), std::min(kTileSize + 1, picture.height - y),
                     tile);
            const Kind kind = kindOf(tile);
            if (kind.white) {
                layout.codes.push_back('0');
                continue;
            }
            std::optional<std::string> bytes = JpegEncoder::encode(tile, quality);
            char code = 'j';
            if (kind.grey) {
                std::optional<std::string> png = PngEncoder::encodeGrey16(tile);
                if (png && (!bytes || png->size() < bytes->size())) {
                    bytes = std::move(png);
                    code = 'p';
                }
            }
            if (!bytes || !file::writeFileReplacing(file::joinPath(folder, TileLayout::tileName(column, row, code)), *bytes))
                return std::nullopt;
            layout.codes.push_back(code);
        }
    }
    return layout;
}

} // namespace pw
