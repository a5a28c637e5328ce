#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <nettle/base64.h>

#include "base/FileUtil.h"
#include "base/ResourceFolder.h"
#include "base/XmlDocument.h"
#include "book/FlashBookFile.h"
#include "book/FlashBookOutput.h"
#include "book/FlashBookOutputApp.h"
#include "book/FlashOutline.h"
#include "book/FlashPageImage.h"
#include "book/FlashPageSourceImg.h"
#include "book/FlashPageTiles.h"
#include "book/FlashPagesAnnotations.h"
#include "book/FlashPagesText.h"
#include "support/ScratchFolder.h"
#include "support/TemplateXml.h"
#include "template/FlashTemplate.h"
#include "template/HTMLConfigInfo.h"

namespace fs = std::filesystem;
using namespace pw;
using test::templateDescription;
using test::property;

namespace {

// The bytes that book.js hands to the player: the base64 text of its single pagewindBook call.
std::string scriptBytes(const std::string& script)
{
    const std::string call = "\npagewindBook(\"";
    const size_t start = script.find(call);
    const size_t end = script.rfind("\");\n");
    if (start == std::string::npos || end == std::string::npos || end < start)
        return "(no call)";
    const std::string text = script.substr(start + call.size(), end - start - call.size());
    std::string bytes(BASE64_DECODE_LENGTH(text.size()), '\0');
    base64_decode_ctx ctx;
    base64_decode_init(&ctx);
    size_t length = bytes.size();
    if (!base64_decode_update(&ctx, &length, reinterpret_cast<std::uint8_t*>(bytes.data()), text.size(), text.data()) ||
        !base64_decode_final(&ctx))
        return "(not base64)";
    bytes.resize(length);
    return bytes;
}

class BookOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_.write("R/AppFiles/Templates/float/flashTemplate.xml",
                    templateDescription(property("pt_number", "pageWidth", "960") +
                                        property("pt_text", "bookTitle", "Tom &amp; Jerry &lt;3") +
                                        property("pt_bool", "isHardCover", "NO") +
                                        property("pt_composite", "colors", "group",
                                                 property("pt_color", "backgroundColor", "0x112233") +
                                                     property("pt_file", "logoImage", "", property("pt_text", "deep", "d"))) +
                                        property("pt_file", "backgroundImage", "")));
        root_.write("R/AppFiles/Templates/float/book.swf", "SWF");
        root_.write("R/AppFiles/Templates/float/html/index.html", "<title>${index.title}</title>");
        root_.write("R/AppFiles/TmplData/mac.app/Contents/Info.plist", "<plist/>");
        resources::setResourceFolder(path("R"));
        for (const std::string picture : {"a.jpg", "b.png", "c.jpg", "logo.png", "bg.jpeg", "bg", "link.swf"})
            root_.write("in/" + picture, "bytes of " + picture);
        file::createDirectories(path("out"));

        flashTemplate_ = std::make_shared<FlashTemplate>();
        pages_ = std::make_shared<FlashPageSourceImg>();
    }
    void TearDown() override { resources::setResourceFolder(std::nullopt); }

    std::string path(const std::string& name) const { return root_ / name; }
    void addPages(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            pages_->addImgPageFromFile(path("in/" + name));
        pages_->generateNormalPages();
    }
    // A template with what sharing and finding a book read, and a page that shows them, in use.
    void useSharingTemplate()
    {
        root_.write("R/AppFiles/Templates/float/flashTemplate.xml",
                    templateDescription(property("pt_text", "bookTitle", "Q&amp;A &lt;draft&gt;") +
                                            property("pt_text", "bookDescription", "Trips &amp; \u0085tales") +
                                            property("pt_text", "bookAddress", " https://example.com/b ") +
                                            property("pt_list", "languageSetting", "German") +
                                            property("pt_number", "pageWidth", "600") + property("pt_number", "pageHeight", "800") +
                                            property("pt_bool", "writeTextVersion", "YES") + property("pt_bool", "showDownload", "NO"),
                                        ""));
        root_.write("R/AppFiles/Templates/float/html/index.html", "${head.meta}|${noscript.text}");
        flashTemplate_->loadTemplate("float");
    }
    std::string read(const std::string& name) const { return file::readFile(path(name)).value_or("(missing)"); }

    // The document of the book.bin written below the folder (the reader is checked on its own,
    // against the player's decoder and published cipher vectors), or a null element; book.js
    // must carry the same bytes.
    xml::Element writtenBook(const std::string& folder)
    {
        EXPECT_EQ(scriptBytes(read(folder + "/files/book.js")), read(folder + "/files/book.bin")) << folder;
        const std::optional<std::string> text = FlashBookFile::unpack(read(folder + "/files/book.bin"));
        book_ = text ? xml::Document::parse(*text) : std::nullopt;
        return book_ ? book_->rootElement() : xml::Element();
    }

    test::ScratchFolder root_;
    std::optional<xml::Document> book_;
    std::shared_ptr<FlashTemplate> flashTemplate_;
    std::shared_ptr<FlashPageSourceImg> pages_;
};

std::vector<std::string> attributeList(const std::vector<xml::Element>& elements, const std::string& attribute)
{
    std::vector<std::string> values;
    for (const xml::Element& element : elements)
        values.push_back(element.attributeForName(attribute).value_or("(none)"));
    return values;
}

} // namespace

TEST_F(BookOutputTest, BookBinHoldsTheWholeBook)
{
    addPages({"a.jpg", "b.png", "c.jpg"});
    flashTemplate_->setPropertyValue("logoImage", path("in/logo.png"));
    auto outline = std::make_shared<FlashOutline>();
    outline->loadFromXMLNode(xml::Document::parse("<ols><o><c>Start</c><p>2</p><ci/></o></ols>").value().rootElement());
    auto annotations = std::make_shared<FlashPagesAnnotations>();
    xml::OwnedElement annos("pagesAnnos");
    annos->addChildElement("pageAnnos").addAttribute("pageIndex", "1");
    annotations->setPagesAnnotationsNode(std::move(annos));
    // Page 2 has a thumbnail, page 3 detail in two tiles.
    root_.write("in/t2.jpg", "thumb of b");
    root_.write("in/tiles/0_0.png", "grey tile");
    root_.write("in/tiles/1_0.jpg", "colour tile");
    pages_->thumbPages().push_back(std::make_unique<FlashPage>(path("in/t2.jpg"), 2));
    pages_->zoomedPages().push_back(std::make_unique<FlashPageTiles>(path("in/tiles"), 3, TileLayout{900, 400, 512, "pj"}));

    FlashBookOutput writer(pages_, flashTemplate_, path("out"), "index.html");
    writer.setFlashOutline(outline);
    writer.setFlashPagesAnnotations(annotations);
    writer.setFlashPagesText(std::make_shared<FlashPagesText>(std::vector<PageText>{{{{{{"Hi", 0.1f, 0.1f, 0.1f, 0.1f}}}}}}));
    writer.ouputTheBook();
    EXPECT_TRUE(writer.failures().empty()) << writer.failures().front();

    const xml::Element root = writtenBook("out");
    ASSERT_TRUE(root);
    const std::string xmlText = book_->xmlData();
    const size_t at = xmlText.find("<flipbook");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(xmlText.substr(at, xmlText.find('>', at) - at),
              "<flipbook count=\"3\" appAppShortName=\"pw\" appAppName=\"Leafreel for Mac\" appAppVersion=\"1.0.0\" "
              "appWebsite=\"https://github.com/pagewind/pagewind\" e=\"noext\" hasText=\"true\"");

    const std::vector<xml::Element> items = root.firstElementForName("extConfig").elementsForName("item");
    EXPECT_EQ(attributeList(items, "name"),
              (std::vector<std::string>{"pageWidth", "bookTitle", "isHardCover", "colors", "backgroundColor",
                                        "logoImage", "deep", "backgroundImage"}));
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[1].stringValue(), "Tom & Jerry <3");
    EXPECT_EQ(items[5].stringValue(), "./files/extfiles/logoImage.png");
    EXPECT_EQ(items[7].stringValue(), "") << "an empty file property names nothing";
    EXPECT_EQ(read("out/files/extfiles/logoImage.png"), "bytes of logo.png");

    const std::vector<xml::Element> pages = root.firstElementForName("pages").elementsForName("page");
    EXPECT_EQ(attributeList(pages, "isEncrypted"), (std::vector<std::string>{"false", "false", "false"}));
    const std::map<std::string, std::vector<std::string>> urls = {
        {"normalUrl", {"./files/page/1.jpg", "./files/page/2.png", "./files/page/3.jpg"}},
        {"largeUrl", {"./files/page/1.jpg", "./files/page/2.png", "./files/large/3/"}},
        {"thumbUrl", {"./files/page/1.jpg", "./files/thumb/2.jpg", "./files/page/3.jpg"}}};
    for (const auto& [kind, expected] : urls) {
        std::vector<std::string> written;
        for (const xml::Element& page : pages)
            written.push_back(page.firstElementForName(kind).stringValue());
        EXPECT_EQ(written, expected) << kind;
    }
    const xml::Element tiles = pages[2].firstElementForName("largeUrl");
    for (const auto& [attribute, value] : {std::pair{"width", "900"}, {"height", "400"}, {"tileSize", "512"}, {"tiles", "pj"}})
        EXPECT_EQ(tiles.attributeForName(attribute).value_or("(none)"), value) << attribute;
    EXPECT_EQ(read("out/files/thumb/2.jpg"), "thumb of b");
    EXPECT_EQ(read("out/files/large/3/0_0.png") + read("out/files/large/3/1_0.jpg"), "grey tilecolour tile");
    const std::vector<xml::Element> children = root.childElements();
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[2].name(), "ols");
    EXPECT_EQ(children[2].firstElementForName("o").firstElementForName("c").stringValue(), "Start");
    EXPECT_EQ(children[3].name(), "pagesAnnos");
    EXPECT_TRUE(annotations->pagesAnnotationsNode()) << "the container keeps its element";
}

TEST_F(BookOutputTest, HardCoverMarksTheFirstAndLastPage)
{
    struct Case {
        std::string value;
        size_t pages;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"YES", 1, {"true"}},
        {"yes", 2, {"true", "true"}},
        {"Yes", 5, {"true", "false", "false", "false", "true"}},
        {"true", 3, {"false", "false", "false"}},
        {"NO", 2, {"false", "false"}},
        {"YES", 0, {}},
    };
    for (const Case& c : cases) {
        auto source = std::make_shared<FlashPageSourceImg>();
        for (size_t i = 0; i < c.pages; ++i)
            source->addImgPageFromFile(path("in/a.jpg"));
        source->generateNormalPages();
        flashTemplate_->setPropertyValue("isHardCover", c.value);
        const FlashBookOutput writer(source, flashTemplate_, path("out"), "");
        const xml::Document doc = writer.bookXML();
        const auto pages = doc.rootElement().firstElementForName("pages").elementsForName("page");
        EXPECT_EQ(attributeList(pages, "isHardPage"), c.expected) << c.value << " x" << c.pages;
        EXPECT_EQ(doc.rootElement().attributeForName("count"), std::to_string(c.pages));
    }
}

TEST_F(BookOutputTest, BookFolderOfPagesNumberedFromThree)
{
    // As a PDF imported with the range 3-5 numbers its pages.
    int number = 3;
    for (const std::string name : {"a.jpg", "b.png", "c.jpg"})
        pages_->pages().push_back(std::make_unique<FlashPageImage>(path("in/" + name), number++));
    pages_->generateNormalPages();
    flashTemplate_->setPropertyValue("backgroundImage", path("in/bg.jpeg"));
    flashTemplate_->setPropertyValue("logoImage", path("in/bg"));

    for (int run = 0; run < 2; ++run) {
        if (run == 1) {
            root_.write("in/a.jpg", "second a");
            root_.write("in/bg.jpeg", "second bg");
        }
        FlashBookOutput writer(pages_, flashTemplate_, path("out") + "/", "");
        writer.ouputTheBook();
        EXPECT_TRUE(writer.failures().empty());
        EXPECT_EQ(writer.outputFileName(), path("out/index.html"));
    }
    EXPECT_EQ(read("out/files/page/3.jpg"), "second a");
    EXPECT_EQ(read("out/files/page/4.png"), "bytes of b.png");
    EXPECT_EQ(read("out/files/page/5.jpg"), "bytes of c.jpg");
    EXPECT_FALSE(file::exists(path("out/files/page/1.jpg")));
    EXPECT_EQ(read("out/files/extfiles/backgroundImage.jpeg"), "second bg");
    EXPECT_EQ(read("out/files/extfiles/logoImage."), "bytes of bg") << "a chosen file without extension";
    EXPECT_EQ(read("out/index.html"), "<title>${index.title}</title>") << "no HTML settings: the template as it is";
    EXPECT_EQ(read("out/book.swf"), "SWF");
    EXPECT_FALSE(file::exists(path("out/files/pageConfig")));
    EXPECT_EQ(std::distance(fs::directory_iterator(path("out/files")), fs::directory_iterator()), 4)
        << "page, extfiles, book.bin and book.js; no temporary files left";
    const auto pages = writtenBook("out").firstElementForName("pages").elementsForName("page");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].firstElementForName("normalUrl").stringValue(), "./files/page/3.jpg");
    EXPECT_EQ(pages[2].firstElementForName("thumbUrl").stringValue(), "./files/page/5.jpg");
}

TEST_F(BookOutputTest, FailuresAreCollectedWhileTheRunGoesOn)
{
    addPages({"a.jpg", "b.png"});
    flashTemplate_->setPropertyValue("backgroundImage", path("in/bg.jpeg"));
    {
        FlashBookOutput first(pages_, flashTemplate_, path("out"), "Trip.html");
        first.ouputTheBook();
        ASSERT_TRUE(first.failures().empty());
    }
    fs::remove(path("in/bg.jpeg"));
    fs::remove(path("in/b.png"));
    auto annotations = std::make_shared<FlashPagesAnnotations>();
    annotations->needFiles() = {path("in/link.swf"), path("in/gone.swf")};
    root_.write("out/files/pageConfig/link.swf", "kept");
    auto html = std::make_shared<HTMLConfigInfo>();
    html->setHTMLTitle("Trip");

    FlashBookOutput writer(pages_, flashTemplate_, path("out"), "Trip.html");
    writer.setFlashPagesAnnotations(annotations);
    writer.setHTMLConfig(html);
    writer.ouputTheBook();
    const std::vector<std::string>& failures = writer.failures();
    ASSERT_EQ(failures.size(), 3u) << testing::PrintToString(failures);
    EXPECT_NE(failures[0].find("page 2"), std::string::npos) << failures[0];
    EXPECT_NE(failures[1].find("backgroundImage"), std::string::npos) << failures[1];
    EXPECT_NE(failures[2].find("gone.swf"), std::string::npos) << failures[2];

    EXPECT_FALSE(file::exists(path("out/files/extfiles/backgroundImage.jpeg"))) << "the old copy goes";
    EXPECT_FALSE(file::exists(path("out/files/page/2.png")));
    EXPECT_EQ(read("out/files/pageConfig/link.swf"), "kept") << "an existing annotation file stays";
    EXPECT_EQ(read("out/Trip.html"), "<title>Trip</title>");
    const auto items = writtenBook("out").firstElementForName("extConfig").elementsForName("item");
    ASSERT_FALSE(items.empty()) << "the rest of the book is written";
    EXPECT_EQ(items.back().stringValue(), "./files/extfiles/backgroundImage.jpeg");
}

TEST_F(BookOutputTest, AFailedBookFileWriteIsReportedAndKeepsWhatWasThere)
{
    addPages({"a.jpg"});
    // A folder stands where the file goes; book.js is written only after book.bin.
    for (const auto& [blocked, written] : {std::pair{"book.bin", false}, std::pair{"book.js", true}}) {
        const std::string out = std::string("out-") + blocked;
        root_.write(out + "/files/" + blocked + "/keep", "in the way");
        FlashBookOutput writer(pages_, flashTemplate_, path(out), "");
        writer.ouputTheBook();
        ASSERT_EQ(writer.failures().size(), 1u) << blocked;
        EXPECT_NE(writer.failures()[0].find(blocked), std::string::npos) << writer.failures()[0];
        EXPECT_TRUE(file::isRegularFile(path(out + "/files/" + blocked + "/keep")));
        EXPECT_EQ(file::isRegularFile(path(out + "/files/book.bin")), written) << blocked;
        EXPECT_EQ(read(out + "/book.swf"), "SWF") << "the run goes on after the failure";
    }
    // A book folder that is not there is one failure, and nothing is written.
    FlashBookOutput nowhere(pages_, flashTemplate_, path("nowhere"), "");
    nowhere.ouputTheBook();
    EXPECT_FALSE(file::exists(path("nowhere")));
    EXPECT_EQ(nowhere.failures().size(), 1u);
}

TEST_F(BookOutputTest, HtmlFileNames)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Trip", "Trip.html"}, {"Trip.html", "Trip.html"}, {"Trip.HTML", "Trip.HTML"},
        {"", ".html"},         {"a.htm", "a.htm.html"},    {"html", "html.html"},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(FlashBookOutput::htmlFileNameForName(name), expected) << name;
}

TEST_F(BookOutputTest, ApplicationBundleIsReplacedAsAWhole)
{
    addPages({"a.jpg"});
    for (int run = 0; run < 2; ++run) {
        if (run == 1)
            root_.write("new/Trip.app/Contents/leftover", "x");
        FlashBookOutputApp writer(pages_, flashTemplate_, path("new"), "Trip.html");
        writer.ouputTheBook();
        EXPECT_TRUE(writer.failures().empty());
        EXPECT_EQ(writer.outputFileName(), path("new/Trip.app"));
        EXPECT_EQ(writer.outputHTMLFileName(), path("new/Trip.app/Contents/Resources/index.html"));
    }
    EXPECT_FALSE(file::exists(path("new/Trip.app/Contents/leftover")));
    // The application carries the book's name (no title given: the name) and an identifier of it.
    const std::string info = read("new/Trip.app/Contents/Info.plist");
    for (const char* entry : {"<key>CFBundleName</key>", "<string>Trip</string>", "<key>CFBundleDisplayName</key>",
                              "<string>org.pagewind.book.trip</string>"})
        EXPECT_NE(info.find(entry), std::string::npos) << entry << " in " << info;
    EXPECT_EQ(FlashBookOutputApp::bundleIdentifierFor("Ünïcode Trip!"), "org.pagewind.book.n-code-trip");
    EXPECT_EQ(FlashBookOutputApp::bundleIdentifierFor("日本").rfind("org.pagewind.book.book-", 0), 0u);
    EXPECT_TRUE(file::isRegularFile(path("new/Trip.app/Contents/Resources/index.html")));
    EXPECT_TRUE(writtenBook("new/Trip.app/Contents/Resources"));
    EXPECT_TRUE(file::isRegularFile(path("new/Trip.app/Contents/Resources/files/page/1.jpg")));

    const FlashBookOutputApp dotted(pages_, flashTemplate_, path("new"), "My.Trip.html");
    EXPECT_EQ(dotted.outputFileName(), path("new/My.Trip.app"));

    fs::remove_all(path("R/AppFiles/TmplData"));
    FlashBookOutputApp noShell(pages_, flashTemplate_, path("new"), "Bare.html");
    noShell.ouputTheBook();
    ASSERT_EQ(noShell.failures().size(), 1u);
    EXPECT_NE(noShell.failures()[0].find("shell"), std::string::npos);
    EXPECT_TRUE(file::isRegularFile(path("new/Bare.app/Contents/Resources/files/book.bin")));
}

TEST_F(BookOutputTest, TheReadingVersionAndThePageLetTheBookBeFoundAndShared)
{
    useSharingTemplate();
    int number = 3;
    for (const std::string name : {"a.jpg", "b.png", "c.jpg"})
        pages_->pages().push_back(std::make_unique<FlashPageImage>(path("in/" + name), number++));
    pages_->generateNormalPages();
    // Words on the second page: a word split over a line end, then a new paragraph after a gap.
    const auto line = [](std::vector<std::string> words, float y, bool hyphenated) {
        TextLine l;
        for (std::string& w : words)
            l.words.push_back({std::move(w), 0.1F, y, 0.1F, 0.02F});
        l.hyphenated = hyphenated;
        return l;
    };
    std::vector<PageText> texts(3);
    texts[1].lines = {line({"the", "inter-"}, 0.1F, true), line({"national", "<day>"}, 0.125F, false), line({"New"}, 0.3F, false)};
    auto outline = std::make_shared<FlashOutline>();
    outline->loadFromXMLNode(xml::Document::parse("<ols><o><c>A &amp; B</c><p>4</p><ci><o><c>Gone</c><p>9</p><ci/></o></ci></o></ols>")
                                 .value()
                                 .rootElement());
    auto html = std::make_shared<HTMLConfigInfo>();
    html->setHTMLTitle("Trip");

    FlashBookOutput writer(pages_, flashTemplate_, path("out"), "Trip.html");
    writer.setHTMLConfig(html);
    writer.setFlashOutline(outline);
    writer.setFlashPagesText(std::make_shared<FlashPagesText>(texts));
    writer.ouputTheBook();
    EXPECT_TRUE(writer.failures().empty()) << testing::PrintToString(writer.failures());

    const std::string text = read("out/text.html");
    for (const char* part :
         {"<html lang=\"de\">", "<title>Q&amp;A &lt;draft&gt;</title>", "<meta name=\"description\" content=\"Trips &amp; tales\">",
          "<li><a href=\"#page-2\">A &amp; B</a>\n<ul>\n<li>Gone</li>",
          "<section id=\"page-2\">\n<h2><a href=\"Trip.html#page=2\">Seite 2</a></h2>\n<img src=\"files/page/4.png\" alt=\"Seite 2\" "
          "width=\"600\" height=\"800\" loading=\"lazy\"",
          "<p>the international &lt;day&gt;</p>\n<p>New</p>\n</section>", "<a href=\"Trip.html\">Das Blätterbuch öffnen</a>"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    EXPECT_EQ(read("out/Trip.html"),
              "<meta property=\"og:type\" content=\"book\">\n<meta property=\"og:title\" content=\"Trip\">\n"
              "<meta property=\"og:description\" content=\"Trips &amp; tales\">\n"
              "<meta property=\"og:image\" content=\"https://example.com/b/files/page/3.jpg\">\n"
              "<meta property=\"og:url\" content=\"https://example.com/b/Trip.html\">\n"
              "<meta name=\"twitter:card\" content=\"summary_large_image\">\n"
              "<link rel=\"alternate\" type=\"text/html\" href=\"text.html\" title=\"Als einfache Seite lesen\">\n"
              "|Dieses Buch braucht JavaScript. <a href=\"text.html\">Als einfache Seite lesen</a>");

    // Switched off, nothing names a reading version, and a book page called text.html keeps its name.
    flashTemplate_->setPropertyValue("writeTextVersion", "NO");
    file::createDirectories(path("off"));
    file::createDirectories(path("named"));
    FlashBookOutput without(pages_, flashTemplate_, path("off"), "Trip.html");
    without.setHTMLConfig(html);
    without.ouputTheBook();
    EXPECT_TRUE(file::isRegularFile(path("off/Trip.html")));
    EXPECT_FALSE(file::exists(path("off/text.html")));
    EXPECT_EQ(read("off/Trip.html").find("text.html"), std::string::npos) << read("off/Trip.html");
    flashTemplate_->setPropertyValue("writeTextVersion", "YES");
    FlashBookOutput named(pages_, flashTemplate_, path("named"), "Text.HTML");
    named.ouputTheBook();
    EXPECT_TRUE(file::isRegularFile(path("named/text-plain.html")));
    EXPECT_NE(read("named/text-plain.html").find("<a href=\"Text.HTML#page=1\">"), std::string::npos);
}

TEST_F(BookOutputTest, DownloadOffersThePdfOfThePagesUnderAFittingName)
{
    struct Case {
        const char* label;
        const char* offered;
        std::string source;
        bool built;
        std::string title;
        std::string file;  // in files/download/, "" for none
        bool fails;
    };
    root_.write("in/Report 2.pdf", "%PDF report");
    const std::vector<Case> cases = {
        {"switched off", "NO", "in/Report 2.pdf", false, "T", "", false},
        {"an imported PDF under its own name", "YES", "in/Report 2.pdf", false, "T", "Report 2.pdf", false},
        {"a built PDF under the title", "YES", "in/Report 2.pdf", true, "Our trip: 2024/25!", "Our-trip-2024-25.pdf", false},
        {"a built PDF without a title under the page's name", "YES", "in/Report 2.pdf", true, "", "Trip.pdf", false},
        {"pictures without a PDF", "YES", "", false, "T", "", true},
        {"a PDF that is gone", "YES", "in/gone.pdf", false, "T", "", true},
    };
    useSharingTemplate();
    addPages({"a.jpg"});
    for (const Case& c : cases) {
        flashTemplate_->setPropertyValue("showDownload", c.offered);
        flashTemplate_->setPropertyValue("bookTitle", c.title);
        pages_->setSourceFile(c.source.empty() ? "" : path(c.source));
        pages_->setSourceFileIsBuilt(c.built);
        const std::string out = std::string("out-") + c.label;
        FlashBookOutput writer(pages_, flashTemplate_, path(out), "Trip.html");
        file::createDirectories(path(out));
        writer.ouputTheBook();
        EXPECT_EQ(writer.failures().size(), c.fails ? 1U : 0U) << c.label << testing::PrintToString(writer.failures());
        const xml::Element download = writtenBook(out).firstElementForName("download");
        EXPECT_EQ(download.attributeForName("file").value_or(""), c.file) << c.label;
        if (c.file.empty())
            continue;
        EXPECT_EQ(download.attributeForName("size"), "11") << c.label;
        EXPECT_EQ(read(out + "/files/download/" + c.file), "%PDF report") << c.label;
    }
}
