#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace pw {

// One page of a book: the image file that shows it and its page number, counted from 1.
class FlashPage {
public:
    FlashPage() = default;
    FlashPage(std::string pageFilePath, std::int32_t pageIndex);
    virtual ~FlashPage() = default;

    const std::string& pageFilePath() const { return iPageFilePath; }
    void setPageFilePath(std::string path) { iPageFilePath = std::move(path); }
    std::int32_t pageIndex() const { return iPageIndex; }
    void setPageIndex(std::int32_t pageIndex) { iPageIndex = pageIndex; }

    // A new record with the same file path and page number. Both numbers are ignored and the
    // file is not touched; subclasses return a record of their own type.
    virtual std::unique_ptr<FlashPage> copyPage(std::int32_t page, std::int32_t quality) const;

private:
    std::string iPageFilePath;
    std::int32_t iPageIndex = 0;
};

} // namespace pw
