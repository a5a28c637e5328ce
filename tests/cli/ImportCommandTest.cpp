#include <gtest/gtest.h>

#include "CliRunner.h"
#include "base/FileUtil.h"
#include "base/XmlDocument.h"
#include "pdf/JpegEncoder.h"
#include "support/TestPdf.h"

namespace file = pw::file;
using pw::test::CliResult;
using pw::test::runCli;

namespace {

class ImportCommandTest : public pw::test::CliFolderTest {
protected:
    std::vector<std::string> withResources(std::vector<std::string> args) const
    {
        args.insert(args.begin() + 1, {"--resources", PAGEWIND_SOURCE_DIR "/resources"});
        return args;
    }
};

// Links, bookmarks and quality 1 unless told otherwise; --links and --bookmarks are still taken.
TEST_F(ImportCommandTest, ImportsPagesLinksBookmarksAndPageSize)
{
    std::vector<pw::test::TestPage> pages(4);
    pages[0].links = {{{72, 72, 144, 36}, "https://example.org/outside"}};  // a page the range leaves out
    pages[1].links = {{{72, 72, 144, 36}, "https://example.org/more"}, {{72, 200, 144, 36}, "", 3}};
    const std::string pdf = write("in.pdf", pw::test::makePdf(pages, {{"Chapter", 1, {{"Part", 2, {}}}}}, {"Q&A <Guide>", {}}));
    const std::vector<std::string> links = {"<url>https://example.org/more</url>", "<pageIndex>4</pageIndex>", "<c>Part</c>"};
    const struct {
        std::vector<std::string> options;
        std::string book;
        bool links;
    } cases[] = {
        {{"--range", "2-4"}, "book", true},
        {{"--range", "2-4", "--links", "--bookmarks", "--quality", "1"}, "same", true},
        {{"--range", "2-4", "--no-links", "--no-bookmarks"}, "bare", false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"import", "-o", path(c.book), pdf};
        args.insert(args.begin() + 1, c.options.begin(), c.options.end());
        const CliResult result = runCli(withResources(args));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(result.err.find("rendering pages 3/3"), std::string::npos) << result.err;
        const std::string xml = decodedBook(path(c.book));
        for (const char* fragment : {"<item name=\"pageWidth\">612</item>", "<item name=\"pageHeight\">792</item>",
                                     "count=\"3\"", "./files/page/2.jpg", "<thumbUrl>./files/thumb/4.jpg</thumbUrl>",
                                     "tileSize=\"512\"", "<item name=\"bookTitle\">Q&amp;A &lt;Guide&gt;</item>"})
            EXPECT_NE(xml.find(fragment), std::string::npos) << fragment;
        for (const std::string& fragment : links)
            EXPECT_EQ(xml.find(fragment) != std::string::npos, c.links) << c.book << ": " << fragment;
        EXPECT_EQ(xml.find("outside"), std::string::npos);
    }
    EXPECT_EQ(file::readFile(path("book/files/page/4.jpg")), file::readFile(path("same/files/page/4.jpg")))
        << "quality 1 by default";
    EXPECT_TRUE(file::isRegularFile(path("book/files/thumb/4.jpg")));
    EXPECT_NE(file::readFile(path("book/index.html"))->find("<title>Q&amp;A &lt;Guide&gt;</title>"), std::string::npos)
        << "the document's title names the book";
}

// Without a terminal, progress is a line per percent, not per page.
TEST_F(ImportCommandTest, ProgressLinesStayFewForLongDocuments)
{
    pw::test::TestPage tiny;
    tiny.width = 10;
    tiny.height = 10;
    const std::string pdf = write("long.pdf", pw::test::makePdf(std::vector<pw::test::TestPage>(250, tiny)));
    const CliResult result = runCli(withResources({"import", "--quality", "4", "-o", path("book"), pdf}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::size_t lines = 0;
    for (std::size_t at = result.err.find("rendering pages"); at != std::string::npos;
         at = result.err.find("rendering pages", at + 1))
        ++lines;
    EXPECT_LE(lines, 101u);
    EXPECT_GE(lines, 50u);
    EXPECT_NE(result.err.find("rendering pages 250/250"), std::string::npos);
}

// Warnings leave the book whole; texts from outside (PDF strings, --set, a Latin-1 settings
// file) and a German locale still give a well-formed book with points in its numbers.
TEST_F(ImportCommandTest, WarningsKeepTheBookAndAnyInputGivesAWellFormedOne)
{
    std::vector<pw::test::TestPage> pages(5);
    pages[1].links = {{{60, 700, 120, 40}, "https://example.org/caf\xE9"}};
    const std::string pdf = write("in.pdf", pw::test::makePdf(pages, {{"Intro\x0B\x01", 1, {}}}, {"Caf\xE9 Report", {}}));
    const std::string settings = write("latin1.txt", "textColor=0xffffff\nbookTitle=Voil\xE0\n");
    const pw::test::ScopedEnvironment german("LC_ALL", "de_DE.UTF-8");
    const CliResult result = runCli(withResources({"import", "--range", "2,9-10", "--links", "--bookmarks", "--settings",
                                                   settings, "--set", "readingDirection=\x01\xFF", "-o",
                                                   path("book"), pdf}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("warning: pages 9-10 are past the last page, 5, and were left out"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("warning: the settings file \"" + settings + "\" is not UTF-8"), std::string::npos)
        << result.err;
    const std::string xml = decodedBook(path("book"));
    EXPECT_TRUE(pw::xml::Document::isWellFormed(xml)) << xml;
    // The bookTitle is the user's own, not the PDF's.
    for (const char* fragment : {"x=\"0.098039\"", "<url>https://example.org/caf\xC3\xA9</url>",
                                 "<item name=\"bookTitle\">Voil\xEF\xBF\xBD</item>",
                                 "<item name=\"readingDirection\">\xEF\xBF\xBD</item>"})
        EXPECT_NE(xml.find(fragment), std::string::npos) << fragment << "\n" << xml;
}

// The words go into files/search; --no-text, and a book of pictures, write none and leave
// no text of an earlier book behind.
TEST_F(ImportCommandTest, TextOfThePagesForSearch)
{
    pw::test::TestPage page;
    page.fonts = true;
    page.content = "BT /F1 20 Tf 72 700 Td (Searchable words) Tj ET";
    const std::string pdf = write("text.pdf", pw::test::makePdf({page, pw::test::TestPage{}}));
    const std::string picture = write("a.jpg", *pw::JpegEncoder::encode({32, 32, std::vector<unsigned char>(32 * 32 * 3, 90)}, 80));
    const struct {
        std::vector<std::string> args;
        bool text;
    } cases[] = {
        {{"import", "-o", path("book"), pdf}, true},
        {{"import", "--no-text", "-o", path("book"), pdf}, false},
        {{"import", "-o", path("book"), pdf}, true},
        {{"build", "-o", path("book"), picture}, false},
    };
    for (const auto& c : cases) {
        const CliResult result = runCli(withResources(c.args));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(file::exists(path("book/files/search/index.js")), c.text) << c.args[1];
        if (c.text) {
            EXPECT_NE(file::readFile(path("book/files/search/text-1.js"))->find("[\"Searchable\","), std::string::npos);
        }
    }
}

TEST_F(ImportCommandTest, FailuresWriteNoBook)
{
    const std::string pdf = write("five.pdf", pw::test::makePlainPdf(5));
    const std::string text = write("notes.pdf", "just words");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    } cases[] = {
        {{"import", "-o", path("book"), text}, 1, "pagewind-cli: Not a readable PDF file: " + text},
        {{"import", "--range", "9-12", "-o", path("book"), pdf}, 1,
         "pagewind-cli: The page range selects no page of this document"},
        {{"import", "-o", path("book"), path("missing.pdf")}, 1, "pagewind-cli: no such file"},
        {{"import", "--quality", "7", "-o", path("book"), pdf}, 2, "--quality takes 0"},
        {{"import", "--links", "--no-links", "-o", path("book"), pdf}, 2, "--links and --no-links contradict each other"},
        {{"import", "-o", path("book"), pdf, pdf}, 2, "exactly one PDF"},
        {{"build", "-o", path("book"), text}, 1, "pagewind-cli: none of the files is a picture"},
    };
    for (const auto& c : cases) {
        const CliResult result = runCli(withResources(c.args));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(file::exists(path("book/files/book.bin")));
    }
}

} // namespace
