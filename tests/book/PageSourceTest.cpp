#include <gtest/gtest.h>

#include "book/FlashPageImage.h"
#include "book/FlashPageSourceImg.h"
#include "pdf/FlashPageSourcePDF.h"

using pw::FlashPage;
using pw::FlashPageImage;
using pw::FlashPageSource;
using pw::FlashPageSourceImg;

namespace {

struct RangeCase {
    std::string text;
    std::int32_t total;
    std::vector<std::int32_t> expected;
};

} // namespace

TEST(PageRange, ParsesAsTheImportDialogExpects)
{
    const std::vector<RangeCase> cases = {
        {"all", 5, {1, 2, 3, 4, 5}},
        {"ALL", 0, {}},
        {" ALL", 5, {0}},
        {"3,1,2", 5, {1, 2, 3}},
        {"1-3,2-4", 5, {1, 2, 3, 4}},
        {"5-3", 5, {}},
        {"2-2", 5, {2}},
        {"1-3-9", 5, {1, 2, 3}},
        {"1,2,", 5, {0, 1, 2}},
        {"", 5, {0}},
        {"-2", 5, {0, 1, 2}},
        {"8-10", 5, {8, 9, 10}},
        {"7a,x", 5, {0, 7}},
        {"2 - 4", 5, {2, 3, 4}},
        {"2147483646-99999999999", 5, {2147483646, 2147483647}},  // bounded, never wrapping around
        {"99999999999", 5, {2147483647}},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(FlashPageSource::parsePageRange(c.text, c.total), c.expected) << '"' << c.text << "\" of " << c.total;
}

TEST(PageRange, HugeRangesStayBounded)
{
    // A typo must not make the dialog allocate billions of numbers.
    const std::vector<std::int32_t> huge = FlashPageSource::parsePageRange("1-2000000000", 10);
    ASSERT_FALSE(huge.empty());
    EXPECT_EQ(huge.front(), 1);
    EXPECT_LE(huge.size(), 70000u);
}

// Pages are numbered from 1; generating again adds normal pages only for new pages, each a
// record of its own; empty entries are skipped.
TEST(PageSourceImg, NumbersPagesAndGeneratesEachNormalPageOnce)
{
    FlashPageSourceImg source;
    source.addImgPageFromFile("/p/a.jpg");
    source.addImgPageFromFile("/p/b.png");
    source.generateNormalPages();
    source.generateNormalPages();
    EXPECT_EQ(source.normalPages().size(), 2u);
    source.addImgPageFromFile("/p/c.jpg");
    source.generateNormalPages();

    ASSERT_EQ(source.pages().size(), 3u);
    ASSERT_EQ(source.normalPages().size(), 3u);
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(source.getPageAtIndex(i)->pageIndex(), i + 1);
        EXPECT_EQ(source.normalPages()[std::size_t(i)]->pageIndex(), i + 1);
    }
    EXPECT_EQ(source.getPageAtIndex(3), nullptr);
    EXPECT_EQ(source.getPageAtIndex(-1), nullptr);
    const FlashPage* second = source.getNormalPageAtIndex(2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->pageFilePath(), "/p/b.png");
    EXPECT_NE(second, source.getPageAtIndex(1));
    EXPECT_NE(dynamic_cast<const FlashPageImage*>(second), nullptr);

    source.clearPages();
    EXPECT_TRUE(source.pages().empty());
    EXPECT_TRUE(source.normalPages().empty());

    // Empty entries are skipped, and nothing is written past the normal list.
    source.pages().push_back(nullptr);
    source.pages().push_back(std::make_unique<FlashPageImage>("/p/nine.jpg", 9));
    source.generateNormalPages();
    ASSERT_EQ(source.normalPages().size(), 1u);
    EXPECT_EQ(source.getNormalPageAtIndex(9)->pageFilePath(), "/p/nine.jpg");
}

// Lookups take a fast path for lists in page order; a list put in another order by hand must
// still find every record, and numbers that are not there find none.
TEST(PageSource, NormalPageLookupFindsRecordsInAnyOrder)
{
    const std::vector<std::vector<std::int32_t>> orders = {{1, 2, 3, 5, 9}, {9, 3, 1, 5, 2}, {2, 1, 3, 9, 5}};
    for (const auto& order : orders) {
        FlashPageSourceImg images;
        pw::FlashPageSourcePDF pdf("/no/such/file.pdf", "ALL", 144, 100);
        for (FlashPageSource* source : {static_cast<FlashPageSource*>(&images), static_cast<FlashPageSource*>(&pdf)}) {
            for (const std::int32_t n : order)
                source->normalPages().push_back(std::make_unique<FlashPage>("/p/" + std::to_string(n), n));
            for (const std::int32_t n : order) {
                const FlashPage* found = source->getNormalPageAtIndex(n);
                ASSERT_NE(found, nullptr) << n;
                EXPECT_EQ(found->pageFilePath(), "/p/" + std::to_string(n));
            }
            for (const std::int32_t missing : {0, 4, 10, -1})
                EXPECT_EQ(source->getNormalPageAtIndex(missing), nullptr) << missing;
        }
    }
}

// Thumbnails are 320 pixels across, tall pages at most 960 down; a picture's thumbnail is made
// from its page picture and named by page number.
TEST(PageSourceImg, ThumbnailsFitThePanelOfASharpPhone)
{
    struct Case {
        int width, height, side;
    };
    const Case cases[] = {
        {4000, 3000, 320}, {3000, 4000, 427}, {1000, 1001, 321}, {100, 1000, 960}, {320, 320, 320}, {0, 0, 320},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlashPageSourceImg::thumbnailSide(c.width, c.height), c.side) << c.width << "x" << c.height;

    std::vector<pw::PictureOutcome> problems;
    const auto source = FlashPageSourceImg::fromPictures(
        {PAGEWIND_SOURCE_DIR "/resources/DemoImgs/01-sunrise.jpg", PAGEWIND_SOURCE_DIR "/resources/DemoImgs/02-lake.jpg"},
        problems);
    EXPECT_TRUE(problems.empty());
    for (const std::int32_t page : {1, 2}) {
        const FlashPage* thumb = source->getThumbPageAtIndex(page);
        ASSERT_NE(thumb, nullptr) << page;
        const auto size = pw::PictureIntake::readSize(thumb->pageFilePath());
        ASSERT_TRUE(size) << page;
        EXPECT_EQ(size->width, 320) << page;
    }
}
