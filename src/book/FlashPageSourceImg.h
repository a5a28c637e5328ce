#pragma once

#include "book/FlashPageSource.h"

namespace pw {

// Pages that are image files as they are (the demonstration pages, the CLI's pictures):
// the n-th file added becomes page n; nothing is scaled or re-encoded.
class FlashPageSourceImg : public FlashPageSource {
public:
    // Appends a FlashPageImage for the file with page number = number of pages + 1.
    void addImgPageFromFile(const std::string& path);

    // Adds a normal-page copy for every page that has none yet, at position page number - 1
    // (or at the end when the list is shorter). A second run adds only what is new.
    void generateNormalPages() override;
    const FlashPage* getPageAtIndex(std::int32_t position) const override;
    const FlashPage* getNormalPageAtIndex(std::int32_t pageIndex) const override;
};

} // namespace pw
