#include <gtest/gtest.h>

#include "base/FileUtil.h"
#include "book/FlashPagesText.h"
#include "book/SearchTextWriter.h"
#include "support/CommaLocale.h"
#include "support/ScratchFolder.h"

using namespace pw;

namespace {

FlashPagesText bookWithText(std::size_t pages, const std::vector<std::size_t>& withText)
{
    std::vector<PageText> texts(pages);
    for (const std::size_t page : withText)
        texts[page - 1].lines.push_back(TextLine{{TextWord{"p" + std::to_string(page), 0.1f, 0.2f, 0.3f, 0.05f}}, false});
    return FlashPagesText(std::move(texts));
}

} // namespace

// The exact scripts of a small book: the reference the player's reader is tested against.
TEST(SearchTextWriter, ScriptsOfASmallBook)
{
    std::vector<PageText> pages(2);
    pages[1].lines = {TextLine{{TextWord{"Caf\xC3\xA9 \"q\"", 0.1f, 0.25f, 0.12346f, 0.05f},
                                TextWord{"hy-", 0.5f, 0.25f, 0.1f, 0.05f}},
                               true},
                      TextLine{{TextWord{"phen\x01", 0.1f, 0.3f, 0.2f, 1.5f}}, false}};
    const FlashPagesText text(std::move(pages));
    const test::CommaLocale german;  // the numbers do not care
    const std::string header = "/* Pagewind book: the text of its pages, for search. */\n"
                               "pagewindText({\"format\":\"pagewind-text\",\"version\":1,";
    EXPECT_EQ(SearchTextWriter::indexScript(text),
              header + "\"pageCount\":2,\"chunkSize\":50,\"chunks\":1,\"pages\":[2]});\n");
    EXPECT_EQ(SearchTextWriter::chunkScript(text, 1),
              header + "\"chunk\":1,\"pages\":[{\"page\":2,\"lines\":[{\"y\":2500,\"h\":500,\"j\":1,\"w\":[[\"Caf\xC3\xA9 "
                       "\\\"q\\\"\",1000,1235],[\"hy-\",5000,1000]]},{\"y\":3000,\"h\":7000,\"w\":[[\"phen\",1000,2000]]}]}]});\n");
}

TEST(SearchTextWriter, ChunksHoldFiftyPagesAndTheFolderIsSwappedWhole)
{
    test::ScratchFolder scratch;
    const std::string folder = scratch / "files/search";
    const FlashPagesText big = bookWithText(120, {1, 60, 120});
    std::string error;
    ASSERT_TRUE(SearchTextWriter::write(&big, folder, &error)) << error;
    EXPECT_NE(file::readFile(folder + "/index.js")->find("\"chunks\":3,\"pages\":[1,60,120]"), std::string::npos);
    EXPECT_NE(file::readFile(folder + "/text-2.js")->find("\"page\":60,"), std::string::npos);
    EXPECT_EQ(file::readFile(folder + "/text-2.js")->find("\"page\":1,"), std::string::npos);
    EXPECT_TRUE(file::isRegularFile(folder + "/text-3.js"));

    const FlashPagesText small = bookWithText(2, {2});
    ASSERT_TRUE(file::createDirectory(scratch / "files/.search.abc123"));  // left by a killed run
    ASSERT_TRUE(SearchTextWriter::write(&small, folder, &error)) << error;
    EXPECT_FALSE(file::exists(folder + "/text-2.js"));  // nothing of the old text stays
    EXPECT_FALSE(file::exists(scratch / "files/.search.abc123"));

    const FlashPagesText pictures = bookWithText(3, {});
    for (const FlashPagesText* none : {&pictures, static_cast<const FlashPagesText*>(nullptr)}) {
        ASSERT_TRUE(SearchTextWriter::write(&small, folder, &error));
        ASSERT_TRUE(SearchTextWriter::write(none, folder, &error)) << error;
        EXPECT_FALSE(file::exists(folder));
    }
}
