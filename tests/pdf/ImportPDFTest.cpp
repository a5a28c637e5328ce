#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "base/NotificationCenter.h"
#include "book/FlashOutline.h"
#include "pdf/FlashOutlinePDF.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/FlashPagesAnnotationsPDF.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/OperationQueue.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToSWFPageConverter.h"
#include "support/ScratchFolder.h"
#include "support/TestPdf.h"

using namespace pw;
using pw::test::makePdf;
using pw::test::makePlainPdf;
using pw::test::ScratchFolder;
using pw::test::TestBookmark;
using pw::test::TestLink;
using pw::test::TestPage;

namespace {

std::string writePdf(const ScratchFolder& scratch, const std::string& name, const std::string& bytes)
{
    const std::string path = scratch / name;
    file::writeFileAtomically(path, bytes);
    return path;
}

// Every progress notification, as "type pageIndex/totalPage".
class ProgressLog {
public:
    ProgressLog()
        : registration_(ImportProgressInfoMSG, [this](const Notification& note) {
              const std::lock_guard lock(mutex_);
              lines_.push_back(std::get<std::string>(note.userInfo.at("type")) + " " +
                               std::to_string(note.intValue("pageIndex")) + "/" +
                               std::to_string(note.intValue("totalPage")));
          })
    {
    }
    std::vector<std::string> lines() const
    {
        const std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    ObserverRegistration registration_;
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

TEST(FlashPageSourcePDF, RangesNumberPagesByTheDocument)
{
    ScratchFolder scratch;
    const std::string ten = writePdf(scratch, "ten.pdf", makePlainPdf(10));
    const struct {
        const char* range;
        std::vector<std::string> pages;
        std::vector<std::string> progress;
    } cases[] = {
        {"ALL", {}, {}},  // filled below: all ten
        {"3-5", {"3:3.jpg", "4:4.jpg", "5:5.jpg"},
         {"geneatePage 1/3", "geneatePage 2/3", "geneatePage 3/3", "geneateNormalPage 1/3", "geneateNormalPage 2/3",
          "geneateNormalPage 3/3"}},
        {"0,2,,11-12", {"2:2.jpg"}, {"geneatePage 1/1", "geneateNormalPage 1/1"}},  // 0, 11, 12 dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        ProgressLog progress;
        FlashPageSourcePDF source(ten, c.range, 144, 85);
        source.generatePages();
        source.generateNormalPages();
        EXPECT_TRUE(source.failedPages().empty());
        if (std::string(c.range) == "ALL") {
            EXPECT_EQ(source.pages().size(), 10u);
            EXPECT_EQ(progress.lines().size(), 20u);
            continue;
        }
        EXPECT_EQ(pageSummary(source), c.pages);
        EXPECT_EQ(progress.lines(), c.progress);
        EXPECT_EQ(source.normalPages().size(), c.pages.size());
    }
}

TEST(FlashPageSourcePDF, StopFlagSwfStandInsAndTheWorkFolder)
{
    ScratchFolder scratch;
    const std::string five = writePdf(scratch, "five.pdf", makePlainPdf(5));
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

TEST(ImportPDFOperation, FailuresReplaceNothing)
{
    ScratchFolder scratch;
    const std::string five = writePdf(scratch, "five.pdf", makePlainPdf(5));
    const std::string text = writePdf(scratch, "letter.pdf", "not a PDF at all");
    TestPage huge;
    huge.width = 14000;
    huge.height = 14000;
    const std::string giant = writePdf(scratch, "giant.pdf", makePdf({TestPage{}, huge, TestPage{}}));
    const struct {
        std::string path;
        const char* range;
        std::string message;
    } cases[] = {
        {text, "ALL", "Not a readable PDF file: " + text},
        {text, "1-3", "Not a readable PDF file: " + text},
        {five, "8-10", "The page range selects no page of this document"},
        {five, "0", "The page range selects no page of this document"},
        {giant, "ALL", "Page 2 could not be imported: page 2 would be 28000 by 28000 pixels, more than 200 million"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + c.range);
        const auto operation = runImport(c.path, c.range, true, true);
        EXPECT_EQ(operation->flashPageSource(), nullptr);
        ASSERT_TRUE(operation->errorMessage());
        EXPECT_EQ(*operation->errorMessage(), c.message);
    }
}

TEST(ImportPDFOperation, CancelAfterTwoOfFivePagesDropsEverything)
{
    ScratchFolder scratch;
    const std::string five = writePdf(scratch, "five.pdf", makePlainPdf(5));
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
    a4.cropBox = pw::test::TestRect{0, 0, 595.3f, 841.9f};
    const auto operation = runImport(writePdf(scratch, "a4.pdf", makePdf({a4, TestPage{}})), "2");
    ASSERT_TRUE(operation->flashPageSource());
    EXPECT_EQ(ImportPDFOperation::firstPageSize(operation->flashPageSource().get()), std::make_pair(595, 841));
    EXPECT_EQ(operation->flashPagesAnnotation(), nullptr);
    EXPECT_EQ(operation->flashOutline(), nullptr);
}

TEST(FlashPagesAnnotationsPDF, LocationFollowsTheRotation)
{
    const struct {
        int rotation;
        const char* expected;
    } cases[] = {
        {0, "0.100000 0.075000 0.200000 0.050000"},   {90, "0.300000 0.075000 0.066667 0.150000"},
        {180, "0.300000 0.125000 0.200000 0.050000"}, {270, "0.100000 0.125000 0.066667 0.150000"},
        {45, "0.000000 1.000000 0.000000 0.000000"},
    };
    ScratchFolder scratch;
    std::vector<TestPage> pages;
    for (const auto& c : cases) {
        TestPage page;
        page.width = 600;
        page.height = 800;
        page.rotate = c.rotation;
        page.links.push_back(TestLink{{60, 700, 120, 40}, "https://example.org/a"});
        pages.push_back(page);
    }
    const auto doc = PDFDocument::open(writePdf(scratch, "rotations.pdf", makePdf(pages)));
    ASSERT_TRUE(doc);
    FlashPagesAnnotationsPDF links;
    links.loadLinksFromPDF(doc, "ALL");
    const auto pageElements = links.pagesAnnotationsNode().elementsForName("pageAnnos");
    ASSERT_EQ(pageElements.size(), std::size(cases));
    for (std::size_t i = 0; i < pageElements.size(); ++i) {
        SCOPED_TRACE(cases[i].rotation);
        const xml::Element location = pageElements[i].firstElementForName("anno").firstElementForName("location");
        ASSERT_TRUE(location);
        EXPECT_EQ(*location.attributeForName("x") + " " + *location.attributeForName("y") + " " +
                      *location.attributeForName("width") + " " + *location.attributeForName("height"),
                  cases[i].expected);
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
    const auto doc = PDFDocument::open(writePdf(scratch, "links.pdf", makePdf(pages)));
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
    const auto doc = PDFDocument::open(writePdf(scratch, "marks.pdf", makePdf(std::vector<TestPage>(10), bookmarks)));
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
    none.loadOutlineFromPDF(PDFDocument::open(writePdf(scratch, "plain.pdf", makePlainPdf(2))));
    EXPECT_TRUE(none.items().empty());
}

TEST(ImportPDFOperation, WholeImportWithLinksAndBookmarks)
{
    ScratchFolder scratch;
    std::vector<TestPage> pages(6);
    pages[3].links = {TestLink{{100, 100, 100, 50}, "", 1}};
    const auto path = writePdf(scratch, "book.pdf", makePdf(pages, {{"Start", 3, {}}}));
    const auto operation = runImport(path, "3-6", true, true);
    ASSERT_TRUE(operation->flashPageSource()) << operation->errorMessage().value_or("");
    EXPECT_FALSE(operation->errorMessage());
    EXPECT_EQ(pageSummary(*operation->flashPageSource()),
              (std::vector<std::string>{"3:3.jpg", "4:4.jpg", "5:5.jpg", "6:6.jpg"}));
    ASSERT_TRUE(operation->flashPagesAnnotation());
    const auto pageElements = operation->flashPagesAnnotation()->pagesAnnotationsNode().elementsForName("pageAnnos");
    ASSERT_EQ(pageElements.size(), 4u);
    EXPECT_EQ(pageElements[1].elementsForName("anno").size(), 1u);  // document page 4 is the book's second
    ASSERT_TRUE(operation->flashOutline());
    ASSERT_EQ(operation->flashOutline()->items().size(), 1u);
    EXPECT_EQ(operation->flashOutline()->items()[0]->pageIndex(), 4);
}

} // namespace
