#include "book/FlashPageTiles.h"

#include "base/Log.h"

namespace pw {

std::string TileLayout::tileName(int column, int row, char code)
{
    if (code != 'p' && code != 'j')
        return {};
    return log::format("%d_%d.%s", column, row, code == 'p' ? "png" : "jpg");
}

FlashPageTiles::FlashPageTiles(std::string folder, std::int32_t pageIndex, TileLayout layout)
    : FlashPage(std::move(folder), pageIndex), iLayout(std::move(layout))
{
}

std::unique_ptr<FlashPage> FlashPageTiles::copyPage(std::int32_t, std::int32_t) const
{
    return std::make_unique<FlashPageTiles>(pageFilePath(), pageIndex(), iLayout);
}

} // namespace pw
