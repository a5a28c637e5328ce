#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "book/FlashPageSource.h"
#include "picture/PictureIntake.h"

namespace pw {

// Pages that are image files (the demonstration pages, the CLI's pictures): the n-th file
// added becomes page n.
class FlashPageSourceImg : public FlashPageSource {
public:
    FlashPageSourceImg() = default;
    FlashPageSourceImg(const FlashPageSourceImg&) = delete;
    FlashPageSourceImg& operator=(const FlashPageSourceImg&) = delete;
    // Removes the work folder of pages made by fromPictures.
    ~FlashPageSourceImg() override;

    // The user's pictures as pages, each as the picture intake makes it fit to show: a JPEG
    // that already is stays as it is; any other is written as an upright sRGB JPEG or PNG into
    // a work folder of the page source's own, beside a thumbnail of each. Unreadable pictures are left out. problems gets
    // the outcome of every picture that was not plainly fine. stop, when set, ends the run
    // between pictures with PagewindException "PAGES_CANCELLED".
    static std::shared_ptr<FlashPageSourceImg> fromPictures(const std::vector<std::string>& pictures,
                                                            std::vector<PictureOutcome>& problems,
                                                            const std::atomic<bool>* stop = nullptr);

    // Appends a FlashPageImage for the file with page number = number of pages + 1.
    void addImgPageFromFile(const std::string& path);

    // Adds a normal-page copy for every page that has none yet, at position page number - 1
    // (or at the end when the list is shorter). A second run adds only what is new.
    void generateNormalPages() override;
    const FlashPage* getPageAtIndex(std::int32_t position) const override;
    const FlashPage* getNormalPageAtIndex(std::int32_t pageIndex) const override;

    // The longest side of the thumbnail of a picture of that upright size: kThumbWidth across,
    // tall pictures at most kThumbMaxHeight down.
    static int thumbnailSide(int width, int height);

private:
    void addThumbnail(const std::string& page, int width, int height);

    std::string iWorkFolder;
};

} // namespace pw
