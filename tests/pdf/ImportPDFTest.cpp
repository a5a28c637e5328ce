#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <new>
#include <mutex>
#include <string>
#include <vector>

#include <zlib.h>

#include "base/FileUtil.h"
#include "base/NotificationCenter.h"
#include "base/PagewindException.h"
#include "base/TextEncoding.h"
#include "book/FlashOutline.h"
#include "book/FlashPageTiles.h"
#include "pdf/FlashOutlinePDF.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/FlashPagesAnnotationsPDF.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/OperationQueue.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToSWFPageConverter.h"
#include "support/CommaLocale.h"
#include "support/ScratchFolder.h"
#include "support/TestJpeg.h"
#include "support/TestPdf.h"

using namespace pw;
using namespace pw::test;

namespace {

// Every progress notification, as "type pageIndex/totalPage".
class ProgressLog {
public:
    std::vector<std::string> lines() const
    {
        const std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    ObserverRegistration registration_{ImportProgressInfoMSG, [this](const Notification& note) {
        const std::lock_guard lock(mutex_);
        lines_.push_back(std::get<std::string>(note.userInfo.at("type")) + " " +
                         std::to_string(note.intValue("pageIndex")) + "/" + std::to_string(note.intValue("totalPage")));
    }};
};

std::shared_ptr<ImportPDFOperation> runImport(const std::string& path, const std::string& range, bool links = false,
                                              bool bookmarks = false)
{
    auto operation = std::make_shared<ImportPDFOperation>(path, range, 144, 85);
    operation->setImportLinks(links);
    operation->setImportBookmarks(bookmarks);
    int finished = 0;
    operation->setFinishedHandler([&finished] { ++finished; });
    OperationQueue queue;
    queue.addOperation(operation);
    queue.waitUntilAllOperationsAreFinished();
    EXPECT_EQ(finished, 1);
    return operation;
}

std::vector<std::string> pageSummary(const FlashPageSource& source)
{
    std::vector<std::string> summary;
    for (const auto& page : source.pages())
        summary.push_back(std::to_string(page->pageIndex()) + ":" + file::lastPathComponent(page->pageFilePath()) +
                          (file::isRegularFile(page->pageFilePath()) ? "" : "(missing)"));
    return summary;
}

// Pages keep their numbers in the document, in order; numbers not in it are dropped and
// progress counts only the pages kept.
TEST(FlashPageSourcePDF, RangesNumberPagesByTheDocument)
{
    ScratchFolder scratch;
    ProgressLog progress;
    FlashPageSourcePDF source(scratch.write("ten.pdf", makePlainPdf(10)), "4,0,2,,11-12", 144, 85);
    source.generatePages();
    source.generateNormalPages();
    EXPECT_TRUE(source.failedPages().empty());
    EXPECT_EQ(pageSummary(source), (std::vector<std::string>{"2:2.jpg", "4:4.jpg"}));
    EXPECT_EQ(progress.lines(), (std::vector<std::string>{"geneatePage 1/2", "geneatePage 2/2", "geneateNormalPage 1/2",
                                                          "geneateNormalPage 2/2"}));
    EXPECT_EQ(source.normalPages().size(), 2u);
}

TEST(FlashPageSourcePDF, StopFlagSwfStandInsAndTheWorkFolder)
{
    ScratchFolder scratch;
    const std::string five = scratch.write("five.pdf", makePlainPdf(5));
    std::string workFolder;
    {
        FlashPageSourcePDF source(five, "ALL", 144, 100);
        workFolder = source.toPageConverter()->converterWorkFolder();
        file::writeFileAtomically(file::joinPath(workFolder, "2.swf"), "stand-in");
        const ObserverRegistration stopper(ImportProgressInfoMSG, [&source](const Notification& note) {
            if (note.intValue("pageIndex") == 3)
                source.setStop(true);
        });
        source.generatePages();
        EXPECT_EQ(pageSummary(source), (std::vector<std::string>{"1:1.jpg", "2:2.swf", "3:3.jpg"}));
        ProgressLog progress;
        source.generateNormalPages();
        EXPECT_TRUE(source.normalPages().empty());
        EXPECT_TRUE(progress.lines().empty());
        EXPECT_EQ(source.getNormalPageAtIndex(1), nullptr);
        EXPECT_TRUE(file::isDirectory(workFolder));
    }
    EXPECT_FALSE(file::exists(workFolder));
}

// Each page gets a thumbnail shrunk from its picture and, where the page has more to show than
// its picture, tiles rendered at 2.5 times its size: PNG for print, JPEG for colour, none for
// white paper. A page that is one small picture has nothing more to show.
TEST(FlashPageSourcePDF, ThumbnailsAndDetailTiles)
{
    ScratchFolder scratch;
    std::vector<TestPage> pages(2);
    pages[0].fonts = true;
    pages[0].content = "0 0 1 rg 72 600 200 100 re f 0 g BT /F1 20 Tf 72 500 Td (Grey words) Tj ET";
    pages[1].picture = std::string(40 * 50 * 3, char(120));
    pages[1].pictureWidth = 40;
    FlashPageSourcePDF source(scratch.write("two.pdf", makePdf(pages)), "ALL", 144, 85);
    source.generatePages();
    ASSERT_EQ(source.thumbPages().size(), 2u);
    const RgbImage thumb = decodeJpeg(file::readFile(source.getThumbPageAtIndex(1)->pageFilePath()).value_or(""));
    EXPECT_EQ(std::make_pair(thumb.width, thumb.height), std::make_pair(320, 414));
    ASSERT_EQ(source.zoomedPages().size(), 1u);
    EXPECT_EQ(source.getZoomedPageAtIndex(2), nullptr);
    const auto* tiles = dynamic_cast<const FlashPageTiles*>(source.getZoomedPageAtIndex(1));
    ASSERT_NE(tiles, nullptr);
    const TileLayout& layout = tiles->layout();
    EXPECT_EQ(std::make_tuple(layout.width, layout.height, layout.columns(), layout.rows()), std::make_tuple(3060, 3960, 6, 8));
    ASSERT_EQ(layout.codes.size(), 48u);
    EXPECT_EQ(layout.codes.substr(0, 3) + layout.codes.substr(12, 2) + layout.codes.back(), "jjjpp0");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tiles->pageFilePath()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 48 - std::count(layout.codes.begin(), layout.codes.end(), '0'));
    const RgbImage blue = decodeJpeg(file::readFile(file::joinPath(tiles->pageFilePath(), "1_0.jpg")).value_or(""));
    ASSERT_EQ(blue.width, 513);
    EXPECT_LT(blue.pixels[(500 * 513 + 200) * 3], 40);  // inside the blue box
    const RgbImage grey = decodeJpeg(file::readFile(source.getThumbPageAtIndex(2)->pageFilePath()).value_or(""));
    ASSERT_FALSE(grey.pixels.empty());
    EXPECT_NEAR(grey.pixels[grey.pixels.size() / 2], 120, 3) << "the picture page's thumbnail keeps its grey";

    // The words' tile: a PNG of 513 by 513 pixels in 4-bit grey, holding black and white.
    const std::string png = file::readFile(file::joinPath(tiles->pageFilePath(), "0_2.png")).value_or("");
    ASSERT_GT(png.size(), 45u);
    EXPECT_EQ(png.substr(12, 4) + png.substr(16, 8) + png.substr(24, 2), std::string("IHDR\0\0\2\1\0\0\2\1\4\0", 14));
    const std::size_t idat = png.find("IDAT");
    uLongf size = 513 * 258;
    std::vector<unsigned char> rows(size);
    ASSERT_EQ(uncompress(rows.data(), &size, reinterpret_cast<const Bytef*>(png.data() + idat + 4),
                         static_cast<uLong>(png.size() - idat - 4)), Z_OK);
    EXPECT_EQ(size, 513u * 258u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), 0xff), rows.end());
    bool black = false;
    for (std::size_t at = 0; at < size; ++at)
        black = black || (at % 258 != 0 && (rows[at] >> 4) < 3);  // past each row's filter byte
    EXPECT_TRUE(black);
}

// Pages a range names past the end or below 1 are left out with a warning, and pages shown blank
// are told; when no page is left, or the file is no PDF, the import fails and makes nothing.
TEST(ImportPDFOperation, PagesLeftOutAreToldAndNoPageLeftFails)
{
    ScratchFolder scratch;
    const std::string ten = scratch.write("ten.pdf", makePlainPdf(10));
    const std::string text = scratch.write("letter.pdf", "not a PDF at all");
    std::string zeroWide = makePdf({{}, {.picture = std::string(3, '\x80'), .pictureWidth = 1}, {}});  // MuPDF cannot draw page 2
    zeroWide.replace(zeroWide.find("/Width 1 "), 9, "/Width 0 ");  // once its picture is 0 pixels wide
    const std::string blank = scratch.write("blank.pdf", zeroWide);
    const std::string none = "The page range selects no page of this document: ";
    const struct {
        std::string path;
        const char* range;
        std::vector<std::string> warnings;
        std::optional<std::string> error;
    } cases[] = {
        {ten, "9-10", {}, std::nullopt},
        {ten, "1,99-100", {"pages 99-100 are past the last page, 10, and were left out"}, std::nullopt},
        {ten, "0,2,11,13-14", {"pages 11, 13-14 are past the last page, 10, and were left out",
                               "page 0 does not exist (pages count from 1) and was left out"}, std::nullopt},
        {ten, "10-11", {"page 11 is past the last page, 10, and was left out"}, std::nullopt},
        {blank, "ALL", {"page 2 could not be rendered and is shown blank (image width is zero (or less))"}, std::nullopt},
        {text, "1-3", {}, "Not a readable PDF file: " + text},
        {ten, "12-14", {}, none + "pages 12-14 are past the last page, 10, and were left out"},
        {ten, "0", {}, none + "page 0 does not exist (pages count from 1) and was left out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + c.range);
        const auto operation = runImport(c.path, c.range, c.error.has_value(), c.error.has_value());
        EXPECT_EQ(operation->errorMessage(), c.error);
        EXPECT_EQ(operation->flashPageSource() == nullptr, c.error.has_value());
        if (!c.error) {
            EXPECT_EQ(operation->warnings(), c.warnings);
        }
    }
}

// Renders like the real converter, but fails the pages a test names, each in its own way.
class FailingConverter : public PDFToSWFPageConverter {
public:
    using PDFToSWFPageConverter::PDFToSWFPageConverter;
    void renderPage(const PDFDocument& doc, std::int32_t pageNumber, RgbImage& into) const override
    {
        switch (pageNumber) {
        case 2: throw PagewindException("PDF_ERROR", "broken content stream");
        case 3: throw std::bad_alloc();
        case 4: throw 42;  // not even an exception class
        default: PDFToSWFPageConverter::renderPage(doc, pageNumber, into);
        }
    }
};

TEST(FlashPageSourcePDF, PagesThatFailToRenderBecomeWhitePaper)
{
    ScratchFolder scratch;
    std::vector<TestPage> pages(6);
    pages[2].width = 400;  // page 3 keeps its own size when blank
    pages[2].height = 300;
    const std::string path = scratch.write("six.pdf", makePdf(pages));
    FlashPageSourcePDF source(path, "ALL", 144, 85);
    source.setToPageConverter(std::make_unique<FailingConverter>(path, source.PDFDoc(), 85));
    source.generatePages();
    EXPECT_TRUE(source.failedPages().empty());
    std::vector<std::string> blank;
    for (const auto& page : source.blankPages())
        blank.push_back(std::to_string(page.pageNumber) + ": " + page.reason);
    EXPECT_EQ(blank, (std::vector<std::string>{"2: broken content stream", "3: not enough memory",
                                               "4: an unexpected error"}));
    ASSERT_EQ(source.pages().size(), 6u);
    const RgbImage paper = decodeJpeg(file::readFile(source.pages()[2]->pageFilePath()).value_or(""));
    ASSERT_EQ(std::make_pair(paper.width, paper.height), std::make_pair(800, 600));
    ASSERT_FALSE(paper.pixels.empty());
    EXPECT_GT(*std::min_element(paper.pixels.begin(), paper.pixels.end()), 250);  // no trace of the blue box
}

TEST(ImportPDFOperation, CancelAfterTwoOfFivePagesDropsEverything)
{
    ScratchFolder scratch;
    const std::string five = scratch.write("five.pdf", makePlainPdf(5));
    auto operation = std::make_shared<ImportPDFOperation>(five, "ALL", 144, 100);
    operation->setImportLinks(true);
    const ObserverRegistration canceller(ImportProgressInfoMSG, [&operation](const Notification& note) {
        if (note.intValue("pageIndex") == 2)
            operation->cancel();
    });
    ProgressLog progress;
    OperationQueue queue;
    queue.addOperation(operation);
    queue.waitUntilAllOperationsAreFinished();
    EXPECT_EQ(operation->flashPageSource(), nullptr);
    EXPECT_EQ(operation->flashPagesAnnotation(), nullptr);
    EXPECT_EQ(progress.lines(), (std::vector<std::string>{"geneatePage 1/5", "geneatePage 2/5"}));

    // Cancelled before it runs: it does nothing and still finishes.
    auto early = std::make_shared<ImportPDFOperation>(five, "ALL", 144, 100);
    early->cancel();
    queue.addOperation(early);
    queue.waitUntilAllOperationsAreFinished();
    EXPECT_TRUE(early->isFinished());
    EXPECT_EQ(early->flashPageSource(), nullptr);
}

TEST(ImportPDFOperation, QualityLevelsAndFirstPageSize)
{
    const std::pair<int, int> levels[] = {{0, 100}, {1, 85}, {2, 65}, {3, 45}, {4, 25}, {7, 100}, {-1, 100}};
    for (const auto& [level, quality] : levels)
        EXPECT_EQ(ImportPDFOperation::qualityForLevel(level), quality) << level;

    ScratchFolder scratch;
    TestPage a4;
    a4.height = 900;
    a4.cropBox = TestRect{0, 0, 595.3f, 841.9f};
    const auto operation = runImport(scratch.write("a4.pdf", makePdf({a4, TestPage{}})), "2");
    ASSERT_TRUE(operation->flashPageSource());
    EXPECT_EQ(ImportPDFOperation::firstPageSize(operation->flashPageSource().get()), std::make_pair(595, 841));
    EXPECT_EQ(operation->flashPagesAnnotation(), nullptr);
    EXPECT_EQ(operation->flashOutline(), nullptr);
}

// The box a rendering shows dark, in fractions of the picture: x, y, width, height.
std::array<double, 4> darkBox(const RgbImage& image)
{
    int left = image.width, top = image.height, right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.pixels[(std::size_t(y) * std::size_t(image.width) + std::size_t(x)) * 3] >= 128)
                continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return {double(left) / image.width, double(top) / image.height, double(right + 1 - left) / image.width,
            double(bottom + 1 - top) / image.height};
}

// A link's hot spot covers the link where the page picture shows it, whatever the page's
// rotation (inherited too) and crop box: checked against the renderer itself.
TEST(FlashPagesAnnotationsPDF, HotSpotsCoverTheirLinksOnThePicture)
{
    const TestRect link{160, 500, 120, 40};
    const struct {
        int rotate;
        std::optional<TestRect> crop;
        bool inherit;
    } cases[] = {
        {0, std::nullopt, false},  {90, std::nullopt, false},          {180, std::nullopt, false},
        {270, std::nullopt, false}, {0, {{100, 50, 400, 600}}, false}, {90, {{100, 50, 400, 600}}, false},
        {270, {{100, 50, 400, 600}}, false}, {90, std::nullopt, true}, {45, std::nullopt, false},
    };
    ScratchFolder scratch;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rotate) + (c.crop ? " cropped" : "") + (c.inherit ? " inherited" : ""));
        TestPage page{.width = 600, .height = 800};
        page.rotate = c.rotate;
        page.cropBox = c.crop;
        page.links.push_back(TestLink{link, "https://example.org/a"});
        page.content = "0 0 0 rg 160 500 120 40 re f";  // the link, drawn
        page.inheritBox = c.inherit;
        const auto doc = PDFDocument::open(scratch.write("page.pdf", makePdf({page})));
        ASSERT_TRUE(doc);
        FlashPagesAnnotationsPDF links;
        links.loadLinksFromPDF(doc, "ALL");
        const xml::Element location = links.pagesAnnotationsNode().firstElementForName("pageAnnos")
                                          .firstElementForName("anno").firstElementForName("location");
        ASSERT_TRUE(location);
        const std::array<double, 4> drawn = darkBox(doc->renderPage(0, 1.0f, 0));
        const char* names[] = {"x", "y", "width", "height"};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(std::stod(*location.attributeForName(names[i])), drawn[i], 0.004) << names[i];
    }
}

// Texts from the PDF (bookmark titles, link addresses) reach the documents as clean UTF-8, and
// numbers are written the same in a German locale as in "C".
TEST(FlashPagesAnnotationsPDF, LinksAndOutlineAreCleanUtf8InEveryLocale)
{
    ScratchFolder scratch;
    std::vector<TestPage> pages(2);
    pages[0].links = {TestLink{{60, 700, 120, 40}, "https://example.org/caf\xE9"}, TestLink{{10, 10, 33.3f, 20}, "", 1}};
    const std::vector<TestBookmark> bookmarks = {
        {"Intro\x0B\x01 caf\xE9", 0, {{"A1", 1, {}}}},              // control characters, PDFDocEncoding
        {std::string("\xFE\xFF\0B\0\xE9", 6), 1, {}},           // UTF-16 with its mark
        {"\xEF\xBB\xBF" "\xC3\xA9t\xC3\xA9", 1, {}},             // UTF-8 with its mark
    };
    const auto doc = PDFDocument::open(scratch.write("texts.pdf", makePdf(pages, bookmarks)));
    ASSERT_TRUE(doc);
    std::vector<std::string> captions;
    const auto written = [&doc, &captions] {
        FlashPagesAnnotationsPDF links;
        links.loadLinksFromPDF(doc, "ALL");
        FlashOutlinePDF outline;
        outline.loadOutlineFromPDF(doc);
        captions.clear();
        for (const auto& item : outline.items())
            captions.push_back(pw::text::xmlSafeText(item->caption().value_or("")));
        return xml::Document::withRootElement(links.pagesAnnotationsNode().copy()).xmlData() +
               xml::Document::withRootElement(outline.outlineAsXMLNode()).xmlData();
    };
    const std::string inC = written();
    const std::size_t second = inC.find("<?xml", 1);
    EXPECT_TRUE(xml::Document::isWellFormed(inC.substr(0, second))) << inC;
    EXPECT_TRUE(xml::Document::isWellFormed(inC.substr(second))) << inC;
    EXPECT_NE(inC.find("https://example.org/caf\xC3\xA9"), std::string::npos) << inC;
    EXPECT_NE(inC.find("x=\"0.098039\""), std::string::npos) << inC;  // 60 of 612 points
    EXPECT_EQ(captions, (std::vector<std::string>{"Intro caf\xC3\xA9", "B\xC3\xA9", "\xC3\xA9t\xC3\xA9"}));
    const CommaLocale german;
    ASSERT_TRUE(german.active()) << "the de_DE.UTF-8 locale is missing (scripts/install-deps installs locales-all)";
    EXPECT_EQ(written(), inC);
}

// Words come in reading order, ligatures expanded, hyphenated line ends marked, each box over
// its ink on the page picture, also on a turned page.
TEST(PDFDocument, PageTextPlacesEveryWordOnThePicture)
{
    ScratchFolder scratch;
    for (const int rotate : {0, 90}) {
        SCOPED_TRACE(rotate);
        TestPage page{.width = 600, .height = 400};
        page.rotate = rotate;
        page.fonts = true;
        page.content = "BT /F1 40 Tf 60 300 Td (Caf\\351) Tj ET BT /F2 40 Tf 300 300 Td (\\256sh) Tj ET "
                       "BT /F1 20 Tf 60 200 Td (a hyphen-) Tj 0 -30 Td (ated word) Tj ET";
        const auto doc = PDFDocument::open(scratch.write("text.pdf", makePdf({page, TestPage{}})));
        ASSERT_TRUE(doc);
        const PageText text = doc->pageText(0);
        std::vector<std::string> words;
        for (const TextLine& line : text.lines) {
            for (const TextWord& word : line.words)
                words.push_back(word.text);
            words.push_back(line.hyphenated ? "|-" : "|");
        }
        EXPECT_EQ(words, (std::vector<std::string>{"Caf\xC3\xA9", "|", "fish", "|", "a", "hyphen-", "|-", "ated", "word", "|"}));
        EXPECT_TRUE(doc->pageText(1).empty());  // a page without words

        // Each word's box holds its ink: render the word alone in black and compare.
        const TextWord& first = text.lines.front().words.front();
        TestPage alone = page;
        alone.content = "BT /F1 40 Tf 60 300 Td (Caf\\351) Tj ET";
        const auto single = PDFDocument::open(scratch.write("word.pdf", makePdf({alone})));
        const std::array<double, 4> ink = darkBox(single->renderPage(0, 1.0f, 0));
        EXPECT_LE(first.x, ink[0] + 0.01);
        EXPECT_LE(first.y, ink[1] + 0.01);
        EXPECT_GE(first.x + first.width, ink[0] + ink[2] - 0.01);
        EXPECT_GE(first.y + first.height, ink[1] + ink[3] - 0.01);
    }
}

TEST(PDFDocument, TitleFromInfoElseXmp)
{
    const std::string xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/"
                            "22-rdf-syntax-ns#' xmlns:dc='http://purl.org/dc/elements/1.1/'><rdf:Description>"
                            "<dc:title><rdf:Alt><rdf:li xml:lang='de'>Bericht</rdf:li><rdf:li xml:lang='x-default'>"
                            " Annual Report </rdf:li></rdf:Alt></dc:title></rdf:Description></rdf:RDF></x:xmpmeta>";
    const struct {
        TestMetadata metadata;
        std::optional<std::string> title;
    } cases[] = {
        {{"Caf\xE9 Guide", std::nullopt}, "Caf\xC3\xA9 Guide"},
        {{std::string("\xFE\xFF\0O\0K", 6), xmp}, "OK"},
        {{std::nullopt, xmp}, "Annual Report"},
        {{"   ", "<not xml"}, std::nullopt},
        {{}, std::nullopt},
    };
    ScratchFolder scratch;
    for (const auto& c : cases) {
        const auto doc = PDFDocument::open(scratch.write("t.pdf", makePdf({TestPage{}}, {}, c.metadata)));
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->title(), c.title) << c.metadata.infoTitle.value_or("<none>");
    }
}

TEST(FlashPagesAnnotationsPDF, LinksOfTheImportedPagesInOrder)
{
    ScratchFolder scratch;
    std::vector<TestPage> pages(10);
    pages[2].links = {TestLink{{10, 10, 50, 20}, "https://example.org/web"}, TestLink{{10, 40, 50, 20}, "", 3},
                      TestLink{{10, 70, 50, 20}, "", 7, true}, TestLink{{10, 100, 50, 20}, "", -1, false, 1}};
    pages[2].textNote = true;
    pages[4].links = {TestLink{{10, 10, 50, 20}, "", 0}};
    const auto doc = PDFDocument::open(scratch.write("links.pdf", makePdf(pages)));
    ASSERT_TRUE(doc);
    FlashPagesAnnotationsPDF links;
    links.needFiles().push_back("/left/over");
    links.loadLinksFromPDF(doc, "3-5,0");
    EXPECT_TRUE(links.needFiles().empty());
    const auto pageElements = links.pagesAnnotationsNode().elementsForName("pageAnnos");
    ASSERT_EQ(pageElements.size(), 3u);
    std::vector<std::string> seen;
    for (const xml::Element& page : pageElements) {
        for (const xml::Element& anno : page.elementsForName("anno")) {
            const xml::Element action = anno.firstElementForName("action");
            const std::string type = *action.attributeForName("actionType");
            const bool web = type.find("OpenURL") != std::string::npos;
            seen.push_back(*page.attributeForName("pageIndex") + (web ? " url " : " page ") +
                           action.childElements().front().stringValue());
        }
    }
    // Web link, then the links to document pages 4 and 8; the link to no page and the note are skipped.
    EXPECT_EQ(seen, (std::vector<std::string>{"1 url https://example.org/web", "1 page 4", "1 page 8", "3 page 1"}));
}

TEST(FlashOutlinePDF, BookmarksKeepShapeAndDocumentPageNumbers)
{
    ScratchFolder scratch;
    const std::vector<TestBookmark> bookmarks = {
        {"A", 0, {{"A1", 1, {}}, {"A2", 4, {{"deep", 2, {{"deeper", 3, {}}}}}}}},
        {"B", 8, {}},
        {"B", -1, {}},  // same title again, and no destination
    };
    const auto doc = PDFDocument::open(scratch.write("marks.pdf", makePdf(std::vector<TestPage>(10), bookmarks)));
    ASSERT_TRUE(doc);
    FlashOutlinePDF outline;
    outline.loadOutlineFromPDF(doc);
    std::vector<std::string> entries;
    const std::function<void(const FlashOutlineItem&)> walk = [&](const FlashOutlineItem& item) {
        entries.push_back(item.caption().value_or("?") + " p" + std::to_string(item.pageIndex()) + " l" +
                          std::to_string(item.level()) + (item.parent() ? " under " + *item.parent()->caption() : ""));
        for (const auto& child : item.childItems())
            walk(*child);
    };
    for (const auto& item : outline.items())
        walk(*item);
    EXPECT_EQ(entries, (std::vector<std::string>{"A p1 l1", "A1 p2 l2 under A", "A2 p5 l2 under A",
                                                 "deep p3 l3 under A2", "deeper p4 l4 under deep", "B p9 l1",
                                                 "B p0 l1"}));
    FlashOutlinePDF none;
    none.loadOutlineFromPDF(PDFDocument::open(scratch.write("plain.pdf", makePlainPdf(2))));
    EXPECT_TRUE(none.items().empty());
}

} // namespace
