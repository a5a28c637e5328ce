#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "book/FlashPage.h"

namespace pw {

// The ordered pages of one book and the derived normal, zoomed and thumbnail page lists.
// The source owns every record; lookups hand out plain pointers (nullptr = none) that stay
// valid until the lists change.
class FlashPageSource {
public:
    using PageList = std::vector<std::unique_ptr<FlashPage>>;

    FlashPageSource() = default;
    FlashPageSource(const FlashPageSource&) = delete;
    FlashPageSource& operator=(const FlashPageSource&) = delete;
    virtual ~FlashPageSource() = default;

    // Turns page-range text ("ALL", or numbers and a-b ranges separated by ",") into a sorted
    // list without duplicates. "ALL" in any case, without blanks, gives 1..totalPage. Numbers
    // are not clamped to the total: 0 (empty parts, "-5", text) and numbers above it stay,
    // so callers must check each one. A range reaches at most 65536 numbers past the larger
    // of its start and totalPage, so a typo like "1-2000000000" cannot exhaust memory.
    static std::vector<std::int32_t> parsePageRange(std::string_view text, std::int32_t totalPage);

    // Thumbnails: sharp at 105 CSS pixels on a screen of 3 device pixels a CSS pixel, with
    // tall pages held to a height the panel can show.
    static constexpr int kThumbWidth = 320;
    static constexpr int kThumbMaxHeight = 960;
    static constexpr int kThumbQuality = 70;

    // The stop flag: set from another thread to end a page generation between two pages.
    bool stop() const { return iStoped.load(); }
    void setStop(bool stop) { iStoped.store(stop); }

    // Makes the page records; the base makes none.
    virtual void generatePages() {}
    // Fills normalPages from pages; the base does nothing.
    virtual void generateNormalPages() {}
    // The record at that list position (from 0), or nullptr.
    virtual const FlashPage* getPageAtIndex(std::int32_t position) const = 0;
    // The normal-page record with that page number (from 1), or nullptr.
    virtual const FlashPage* getNormalPageAtIndex(std::int32_t pageIndex) const = 0;
    // The zoomed (detail) and thumbnail records with that page number, or nullptr: pages of an
    // imported PDF have both, the user's pictures thumbnails only, the demonstration pages none.
    virtual const FlashPage* getZoomedPageAtIndex(std::int32_t pageIndex) const;
    virtual const FlashPage* getThumbPageAtIndex(std::int32_t pageIndex) const;

    // Empties all four lists.
    void clearPages();

    PageList& pages() { return iPages; }
    const PageList& pages() const { return iPages; }
    PageList& normalPages() { return iNormalPages; }
    const PageList& normalPages() const { return iNormalPages; }
    PageList& zoomedPages() { return iZoomedPages; }
    const PageList& zoomedPages() const { return iZoomedPages; }
    PageList& thumbPages() { return iThumbPages; }
    const PageList& thumbPages() const { return iThumbPages; }

    const std::string& sourceFile() const { return iSourceFile; }
    void setSourceFile(std::string sourceFile) { iSourceFile = std::move(sourceFile); }
    // True when the source file is the PDF that Build made of pictures: readers download it
    // under the book's title, since its own name says nothing about the book.
    bool sourceFileIsBuilt() const { return iSourceFileIsBuilt; }
    void setSourceFileIsBuilt(bool built) { iSourceFileIsBuilt = built; }
    // Held as long as the page source: a built PDF's owner removes the file when the last page
    // source that offers it goes.
    void setSourceFileKeeper(std::shared_ptr<const void> keeper) { iSourceFileKeeper = std::move(keeper); }

protected:
    // The normal-page record with that number, found by bisection: records are made in
    // ascending page order, so this answers at once for every list a page source made. Null
    // when the bisection misses, which a list rearranged by hand can make it do; callers then
    // scan the list.
    const FlashPage* findNormalPageInOrder(std::int32_t pageIndex) const;
    // The same for any list of records made in page order.
    static const FlashPage* findInOrder(const PageList& list, std::int32_t pageIndex);
    // findInOrder, then a scan of the list.
    static const FlashPage* findIn(const PageList& list, std::int32_t pageIndex);

private:
    PageList iPages;
    PageList iNormalPages;
    PageList iZoomedPages;
    PageList iThumbPages;
    std::string iSourceFile;
    bool iSourceFileIsBuilt = false;
    std::shared_ptr<const void> iSourceFileKeeper;
    std::atomic<bool> iStoped{false};
};

} // namespace pw
