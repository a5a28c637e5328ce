#pragma once

#include <optional>
#include <string>

#include "book/FlashPageTiles.h"
#include "pdf/PDFDocument.h"

namespace pw {

// Cuts a page's detail picture into square tiles, so that a reader who zooms fetches only the
// part on the screen.
class PageTiler {
public:
    static constexpr int kTileSize = 512;

    // Writes the tiles of picture into folder (made when missing) and returns their layout. Each
    // tile also holds the first column and row of its right and lower neighbours, so that no
    // seam shows between tiles however they are scaled. A tile without colour is a PNG in 16
    // greys when that is smaller than the JPEG (print is, photographs are not); a white tile is
    // not written. None when a file cannot be written.
    static std::optional<TileLayout> writeTiles(const RgbImage& picture, const std::string& folder, int quality);
};

} // namespace pw
