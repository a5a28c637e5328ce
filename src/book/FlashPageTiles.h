#pragma once

#include <string>

#include "book/FlashPage.h"

namespace pw {

// How a page's detail picture is cut: its size in pixels, the side of a tile, and one letter a
// tile, row by row from the top left: 'p' a PNG, 'j' a JPEG, '0' none (plain white paper).
struct TileLayout {
    int width = 0;
    int height = 0;
    int tileSize = 0;
    std::string codes;

    int columns() const { return tileSize > 0 ? (width + tileSize - 1) / tileSize : 0; }
    int rows() const { return tileSize > 0 ? (height + tileSize - 1) / tileSize : 0; }
    // The file name of the tile at column, row for its letter ("3_1.png"); empty for none.
    static std::string tileName(int column, int row, char code);
};

// The zoomed picture of a page as tiles: pageFilePath is the folder holding them.
class FlashPageTiles : public FlashPage {
public:
    FlashPageTiles(std::string folder, std::int32_t pageIndex, TileLayout layout);

    const TileLayout& layout() const { return iLayout; }
    std::unique_ptr<FlashPage> copyPage(std::int32_t page, std::int32_t quality) const override;

private:
    TileLayout iLayout;
};

} // namespace pw
