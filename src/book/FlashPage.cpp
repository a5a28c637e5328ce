#include "book/FlashPage.h"

namespace pw {

FlashPage::FlashPage(std::string pageFilePath, std::int32_t pageIndex)
    : iPageFilePath(std::move(pageFilePath)), iPageIndex(pageIndex)
{
}

std::unique_ptr<FlashPage> FlashPage::copyPage(std::int32_t, std::int32_t) const
{
    return std::make_unique<FlashPage>(iPageFilePath, iPageIndex);
}

} // namespace pw
