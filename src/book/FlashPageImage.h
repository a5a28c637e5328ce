#pragma once

#include "book/FlashPage.h"

namespace pw {

// The page record of the image-file page source: the page is the image file itself.
class FlashPageImage : public FlashPage {
public:
    using FlashPage::FlashPage;

    // A FlashPageImage with the same path and page number; the numbers are ignored.
    std::unique_ptr<FlashPage> copyPage(std::int32_t page, std::int32_t quality) const override;
};

} // namespace pw
