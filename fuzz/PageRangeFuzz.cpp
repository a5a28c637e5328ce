// The page-range text a user types for an import ("1-3,7", "all"), against a page count
// taken from the first two bytes.

#include <algorithm>

#include "FuzzSupport.h"
#include "book/FlashPageSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    if (size < 2)
        return 0;
    // Up to 4095 pages: enough for every branch, small enough that "all" stays cheap.
    const std::int32_t totalPage = ((data[0] << 8) | data[1]) & 0x0fff;
    const std::vector<std::int32_t> pages =
        pw::FlashPageSource::parsePageRange(pw::fuzz::asText(data + 2, size - 2), totalPage);
    if (!std::is_sorted(pages.begin(), pages.end()))
        pw::fuzz::fail("pages are not in order");
    if (std::adjacent_find(pages.begin(), pages.end()) != pages.end())
        pw::fuzz::fail("a page is listed twice");
    return 0;
}
