#include "book/FlashPageSourceImg.h"

#include <algorithm>
#include <filesystem>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/PlatformPaths.h"
#include "book/FlashPageImage.h"

namespace pw {

FlashPageSourceImg::~FlashPageSourceImg()
{
    if (!iWorkFolder.empty())
        file::removeAll(iWorkFolder);
}

std::shared_ptr<FlashPageSourceImg> FlashPageSourceImg::fromPictures(const std::vector<std::string>& pictures,
                                                                     std::vector<PictureOutcome>& problems,
                                                                     const std::atomic<bool>* stop)
{
    auto source = std::make_shared<FlashPageSourceImg>();
    for (const std::string& picture : pictures) {
        if (stop && stop->load())
            throw PagewindException("PAGES_CANCELLED", "making the pages was cancelled");
        if (source->iWorkFolder.empty()) {
            const auto folder = file::makeUniqueFolder(file::joinPath(platform::userTemporaryFolder(), "pagewind-pages.XXXXXX"));
            if (!folder)
                throw PagewindException("PAGES_WRITE", "could not make a work folder for the page pictures");
            source->iWorkFolder = *folder;
        }
        PictureIntake::Picture made = PictureIntake::pagePicture(picture);
        if (made.outcome.status != PictureOutcome::Status::ok)
            problems.push_back(made.outcome);
        if (!made.outcome.usable())
            continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(picture, error);
        std::string page = error ? picture : absolute.lexically_normal().string();
        if (!made.original) {
            page = file::joinPath(source->iWorkFolder, std::to_string(source->pages().size() + 1) + "." + made.extension());
            if (!file::writeFileReplacing(page, made.bytes))
                throw PagewindException("PAGES_WRITE", "could not write the page picture " + page);
        }
        source->addImgPageFromFile(page);
        source->addThumbnail(page, made.width, made.height);
    }
    source->generateNormalPages();
    return source;
}

int FlashPageSourceImg::thumbnailSide(int width, int height)
{
    if (width <= 0 || height <= 0 || width >= height)
        return kThumbWidth;
    // A tall picture is kThumbWidth across unless that makes it taller than the panel shows.
    const std::int64_t side = (std::int64_t{kThumbWidth} * height + width - 1) / width;
    return static_cast<int>(std::min<std::int64_t>(side, kThumbMaxHeight));
}

void FlashPageSourceImg::addThumbnail(const std::string& page, int width, int height)
{
    // Made from the page picture, not the user's file: that one is already upright sRGB and at
    // most kMaxPageSide, so a HEIC or a 50-megapixel photo is not decoded a second time.
    PictureIntake::Options options;
    options.maxSide = thumbnailSide(width, height);
    options.quality = kThumbQuality;
    options.keepOriginal = false;
    options.allowPng = false;
    const PictureIntake::Picture thumb = PictureIntake::pagePicture(page, options);
    const auto pageIndex = static_cast<std::int32_t>(pages().size());
    const std::string path = file::joinPath(iWorkFolder, "thumb-" + std::to_string(pageIndex) + ".jpg");
    // Without it the book shows the page picture in small views, as older books do.
    if (thumb.bytes.empty() || !file::writeFileReplacing(path, thumb.bytes)) {
        PW_LOG_WARN("page %d: the thumbnail could not be made from %s", pageIndex, page.c_str());
        return;
    }
    thumbPages().push_back(std::make_unique<FlashPage>(path, pageIndex));
}

void FlashPageSourceImg::addImgPageFromFile(const std::string& path)
{
    const auto pageIndex = static_cast<std::int32_t>(pages().size() + 1);
    pages().push_back(std::make_unique<FlashPageImage>(path, pageIndex));
}

void FlashPageSourceImg::generateNormalPages()
{
    for (const auto& page : pages()) {
        if (!page || getNormalPageAtIndex(page->pageIndex()))
            continue;
        // Page numbers run 1, 2, 3 ..., so page n lands at position n-1; a list that is
        // shorter than that (pages were removed by hand) gets the copy at its end instead of
        // a write past it.
        const std::int64_t wanted = std::int64_t{page->pageIndex()} - 1;
        const auto position =
            static_cast<std::ptrdiff_t>(std::clamp<std::int64_t>(wanted, 0, std::ssize(normalPages())));
        normalPages().insert(normalPages().begin() + position, page->copyPage(100, 100));
    }
}

const FlashPage* FlashPageSourceImg::getPageAtIndex(std::int32_t position) const
{
    if (position < 0 || static_cast<size_t>(position) >= pages().size())
        return nullptr;
    return pages()[static_cast<size_t>(position)].get();
}

const FlashPage* FlashPageSourceImg::getNormalPageAtIndex(std::int32_t pageIndex) const
{
    if (const FlashPage* page = findNormalPageInOrder(pageIndex))
        return page;
    const auto found = std::find_if(normalPages().begin(), normalPages().end(), [pageIndex](const auto& page) {
        return page && page->pageIndex() == pageIndex;
    });
    return found == normalPages().end() ? nullptr : found->get();
}

} // namespace pw
