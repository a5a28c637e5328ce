#include "book/FlashPageImage.h"

namespace pw {

std::unique_ptr<FlashPage> FlashPageImage::copyPage(std::int32_t, std::int32_t) const
{
    return std::make_unique<FlashPageImage>(pageFilePath(), pageIndex());
}

} // namespace pw
