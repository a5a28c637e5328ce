#include "book/FlashPageSource.h"

#include <algorithm>
#include <cctype>

#include "base/Log.h"
#include "base/NumberText.h"

namespace pw {

namespace {

// How far a range may run past the larger of its start and the page count.
constexpr std::int64_t kRangeSlack = 65536;

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

bool isAllKeyword(std::string_view text)
{
    constexpr std::string_view kAll = "ALL";
    return text.size() == kAll.size() &&
           std::equal(text.begin(), text.end(), kAll.begin(),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

void appendRange(std::string_view part, std::int32_t totalPage, std::vector<std::int32_t>& result)
{
    const std::vector<std::string_view> pieces = split(part, '-');
    const std::int64_t first = text::intValue(pieces[0]);
    std::int64_t last = text::intValue(pieces[1]);
    last = std::min(last, std::max<std::int64_t>(first, totalPage) + kRangeSlack);
    for (std::int64_t page = first; page <= last; ++page)
        result.push_back(static_cast<std::int32_t>(page));
}

} // namespace

std::vector<std::int32_t> FlashPageSource::parsePageRange(std::string_view text, std::int32_t totalPage)
{
    std::vector<std::int32_t> result;
    if (isAllKeyword(text)) {
        for (std::int32_t page = 1; page <= totalPage; ++page)
            result.push_back(page);
        return result;
    }
    for (std::string_view part : split(text, ',')) {
        if (part.find('-') != std::string_view::npos)
            appendRange(part, totalPage, result);
        else
            result.push_back(text::intValue(part));
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    if (log::isEnabled(log::Level::debug)) {
        for (size_t i = 0; i < result.size(); ++i)
            PW_LOG_DEBUG("range[%d]=%d", static_cast<int>(i), result[i]);
    }
    return result;
}

const FlashPage* FlashPageSource::getZoomedPageAtIndex(std::int32_t pageIndex) const
{
    return findIn(iZoomedPages, pageIndex);
}

const FlashPage* FlashPageSource::getThumbPageAtIndex(std::int32_t pageIndex) const
{
    return findIn(iThumbPages, pageIndex);
}

const FlashPage* FlashPageSource::findIn(const PageList& list, std::int32_t pageIndex)
{
    if (const FlashPage* page = findInOrder(list, pageIndex))
        return page;
    const auto found = std::find_if(list.begin(), list.end(),
                                    [pageIndex](const auto& page) { return page && page->pageIndex() == pageIndex; });
    return found == list.end() ? nullptr : found->get();
}

const FlashPage* FlashPageSource::findNormalPageInOrder(std::int32_t pageIndex) const
{
    return findInOrder(iNormalPages, pageIndex);
}

const FlashPage* FlashPageSource::findInOrder(const PageList& list, std::int32_t pageIndex)
{
    // A plain bisection rather than std::lower_bound, which requires a sorted list; this one
    // is defined for any order and checks what it lands on.
    std::size_t low = 0;
    std::size_t high = list.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const FlashPage* page = list[middle].get();
        if (!page)
            return nullptr;
        if (page->pageIndex() == pageIndex)
            return page;
        if (page->pageIndex() < pageIndex)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

void FlashPageSource::clearPages()
{
    iPages.clear();
    iNormalPages.clear();
    iZoomedPages.clear();
    iThumbPages.clear();
}

} // namespace pw
