#include "book/FlashPagesText.h"

#include <algorithm>

namespace pw {

bool FlashPagesText::hasText() const
{
    return std::any_of(iPages.begin(), iPages.end(), [](const PageText& page) { return !page.empty(); });
}

} // namespace pw
