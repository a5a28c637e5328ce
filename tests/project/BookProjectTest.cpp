#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/PagewindException.h"
#include "book/FlashPageSourceImg.h"
#include "project/BookProject.h"
#include "project/BookPublisher.h"
#include "project/TemplateTree.h"
#include "support/ScratchFolder.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

using namespace pw;

namespace {

const std::string kDemo = PAGEWIND_SOURCE_DIR "/resources/DemoImgs/";

std::string errorNameOf(const std::string& path)
{
    try {
        BookProject::open(path);
    } catch (const PagewindException& e) {
        EXPECT_FALSE(e.reason().empty());
        return e.name();
    }
    return "opened";
}

// A project with something in every part, its files in the scratch folder.
std::unique_ptr<BookProject> fullProject(const test::ScratchFolder& scratch)
{
    file::createDirectories(scratch / "work/photos");
    file::copyFile(kDemo + "01-sunrise.jpg", scratch / "work/photos/a.jpg");
    auto project = std::make_unique<BookProject>();
    project->pictures() = {scratch / "work/photos/a.jpg", kDemo + "02-lake.jpg"};
    BookPages pages;
    pages.origin = PagesOrigin::pictures;
    pages.builtPictures = {scratch / "work/photos/a.jpg"};
    pages.choice = {"1-3,5", 2, true, false, false};
    project->setBookPages(pages);
    project->flashTemplate()->changeTmplTo("float", FlashTemplate::stylePathFor("float", "Dusk"));
    project->flashTemplate()->setPropertyValue("bookTitle", "Tom & <Jerry>\r\n\t\"quoted\"");
    project->setPublishChoice({scratch / "work/book", "Trip", "Our Trip", 1});
    return project;
}

} // namespace

TEST(BookProjectTest, SavedProjectsOpenAsTheyWereAndFollowTheirFolder)
{
    const test::ScratchFolder scratch;
    auto saved = fullProject(scratch);
    saved->saveAs(scratch / "work/trip.pagewind");
    EXPECT_EQ(saved->displayName(), "trip");
    std::string text = file::readFile(scratch / "work/trip.pagewind").value_or("");
    for (const char* expected : {"version=\"1\"", "<picture>photos/a.jpg</picture>", "STYLE_RESOURCE:background.jpg",
                                 "folder=\"book\"", "type=\"application\""})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    // The folder moves whole: what lay below it comes along, what lay outside stays put.
    ASSERT_EQ(std::rename((scratch / "work").c_str(), (scratch / "moved").c_str()), 0);
    BookProject::OpenReport report;
    const auto opened = BookProject::open(scratch / "moved/trip.pagewind", &report);
    EXPECT_TRUE(report.empty());
    EXPECT_EQ(opened->pictures(), (std::vector<std::string>{scratch / "moved/photos/a.jpg", kDemo + "02-lake.jpg"}));
    EXPECT_EQ(opened->bookPages().origin, PagesOrigin::pictures);
    EXPECT_EQ(opened->bookPages().builtPictures, std::vector<std::string>{scratch / "moved/photos/a.jpg"});
    EXPECT_EQ(opened->bookPages().choice, (PageImportChoice{"1-3,5", 2, true, false, false}));
    EXPECT_EQ(opened->flashTemplate()->styleName(), std::optional<std::string>("Dusk"));
    EXPECT_EQ(opened->publishChoice(), (PublishChoice{scratch / "moved/book", "Trip", "Our Trip", 1}));
    std::vector<std::optional<std::string>> before;
    std::vector<std::optional<std::string>> after;
    templatetree::forEachProperty(*saved->flashTemplate(), [&](const FlashTemplateProperty& p) { before.push_back(p.value()); });
    templatetree::forEachProperty(*opened->flashTemplate(), [&](const FlashTemplateProperty& p) { after.push_back(p.value()); });
    EXPECT_EQ(after, before);

    // What went missing since is named, and kept for the next save.
    text.replace(text.find("</template>"), 0, "<value key=\"noSuchKey\">x</value>");
    text.replace(text.find("style=\"Dusk\""), 12, "style=\"Gone\"");
    scratch.write("moved/trip.pagewind", text);
    file::removeAll(scratch / "moved/photos");
    const auto damaged = BookProject::open(scratch / "moved/trip.pagewind", &report);
    EXPECT_EQ(report.missingPictures, std::vector<std::string>{scratch / "moved/photos/a.jpg"});
    EXPECT_EQ(report.missingPages, std::vector<std::string>{scratch / "moved/photos/a.jpg"});
    EXPECT_EQ(report.unknownKeys, std::vector<std::string>{"noSuchKey"});
    EXPECT_EQ(report.missingStyle, std::optional<std::string>("Gone"));
    EXPECT_FALSE(report.missingFiles.empty());  // the style's background went with the style
    EXPECT_EQ(damaged->pictures().size(), 2U);
    damaged->saveAs(scratch / "moved/again.pagewind");
    EXPECT_NE(file::readFile(scratch / "moved/again.pagewind")->find("photos/a.jpg"), std::string::npos);
}

TEST(BookProjectTest, PdfOriginAndTextsThatXmlCannotCarry)
{
    const test::ScratchFolder scratch;
    BookProject project;
    BookPages pages;
    pages.origin = PagesOrigin::pdf;
    pages.pdfPath = scratch.write("doc.pdf", "");
    project.setBookPages(pages);
    project.flashTemplate()->setPropertyValue("bookTitle", std::string("bell\x07 and \xff byte"));
    project.saveAs(scratch / "p.pagewind");
    const auto opened = BookProject::open(scratch / "p.pagewind");
    EXPECT_EQ(opened->bookPages().pdfPath, scratch / "doc.pdf");
    EXPECT_EQ(opened->flashTemplate()->propertyValueFor("bookTitle", ""), "bell\xEF\xBF\xBD and \xEF\xBF\xBD byte");

    // Files from before the text choice existed keep the text, as new imports do.
    std::string text = *file::readFile(scratch / "p.pagewind");
    const std::size_t at = text.find(" text=\"yes\"");
    ASSERT_NE(at, std::string::npos);
    EXPECT_TRUE(BookProject::open(scratch.write("old.pagewind", text.erase(at, 11)))->bookPages().choice.text);
}

TEST(BookProjectTest, BadFilesAreRefusedWithTheirReason)
{
    const test::ScratchFolder scratch;
    BookProject().saveAs(scratch / "good.pagewind");
    const std::string good = file::readFile(scratch / "good.pagewind").value_or("");
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* name;
        std::string text;
        const char* error;
    } cases[] = {
        {"cut short", good.substr(0, good.size() / 2), "PROJECT_FORMAT"},
        {"another document", "<flipbook version=\"1\"/>", "PROJECT_FORMAT"},
        {"no version", replaced("version=\"1\"", ""), "PROJECT_FORMAT"},
        {"newer version", replaced("version=\"1\"", "version=\"2\""), "PROJECT_VERSION"},
        {"unknown template", replaced("name=\"float\"", "name=\"gone\""), "PROJECT_TEMPLATE"},
        {"unknown origin", replaced("origin=\"demonstration\"", "origin=\"scanner\""), "PROJECT_FORMAT"},
        {"quality out of range", replaced("origin=\"demonstration\"", "origin=\"pdf\" quality=\"9\""), "PROJECT_FORMAT"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorNameOf(scratch.write("bad.pagewind", c.text)), c.error) << c.name;
    EXPECT_EQ(errorNameOf(scratch / "absent.pagewind"), "PROJECT_READ");
}

TEST(BookProjectTest, AKilledSaveLeavesTheOldFileWhole)
{
    const test::ScratchFolder scratch;
    auto project = fullProject(scratch);
    for (int i = 0; i < 3000; ++i)
        project->pictures().push_back(scratch / ("work/photos/picture-" + std::to_string(i) + ".jpg"));
    const std::string path = scratch / "work/big.pagewind";
    project->saveAs(path);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                project->saveAs(path);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(15 + round * 7));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(BookProject::open(path)->pictures().size(), project->pictures().size()) << "round " << round;
    }
}

TEST(BookProjectTest, TemplateCopiesShareNothingAndPathsFindTheirProperty)
{
    const FlashTemplate original;
    const auto copy = templatetree::copyOf(original);
    int properties = 0;
    templatetree::forEachProperty(original, [&](FlashTemplateProperty& property) {
        ++properties;
        const templatetree::Path path = templatetree::pathOf(original, property);
        EXPECT_EQ(templatetree::propertyAt(original, path), &property);
        FlashTemplateProperty* twin = templatetree::propertyAt(*copy, path);
        ASSERT_NE(twin, nullptr);
        EXPECT_NE(twin, &property);
        EXPECT_EQ(twin->value(), property.value());
        twin->setValue("changed in the copy");
        EXPECT_NE(property.value(), twin->value());
    });
    EXPECT_GT(properties, 10);
    EXPECT_EQ(templatetree::propertyAt(original, {999}), nullptr);
}

TEST(BookPublisherTest, ANewBookReplacesTheOldOneWholeAndAStoppedOneChangesNothing)
{
    const test::ScratchFolder scratch;
    const auto pagesOf = [](int count) {
        auto pages = std::make_shared<FlashPageSourceImg>();
        for (int i = 0; i < count; ++i)
            pages->addImgPageFromFile(kDemo + (i % 2 ? "02-lake.jpg" : "01-sunrise.jpg"));
        pages->generateNormalPages();
        return pages;
    };
    const auto flashTemplate = std::make_shared<FlashTemplate>();
    const BookPublisher::Target target{scratch / "book", "Trip", "Trip", false};
    EXPECT_FALSE(BookPublisher::holdsBook(target));
    ASSERT_TRUE(BookPublisher::publish({pagesOf(5), flashTemplate, nullptr, nullptr, nullptr}, target).ok());
    scratch.write("book/notes.txt", "the user's own file");
    EXPECT_TRUE(BookPublisher::holdsBook(target));

    std::size_t reported = 0;
    const auto result = BookPublisher::publish({pagesOf(3), flashTemplate, nullptr, nullptr, nullptr}, target,
                                               [&](std::size_t done, std::size_t total) {
                                                   EXPECT_EQ(total, 3U);
                                                   reported = done;
                                               });
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(reported, 3U);
    EXPECT_EQ(result.outputFile, scratch / "book/Trip.html");
    EXPECT_TRUE(file::isRegularFile(scratch / "book/files/page/3.jpg"));
    EXPECT_FALSE(file::exists(scratch / "book/files/page/4.jpg"));  // the old book's extra pages go
    EXPECT_TRUE(file::isRegularFile(scratch / "book/notes.txt"));

    const std::string bookBin = file::readFile(scratch / "book/files/book.bin").value_or("");
    for (const bool application : {false, true}) {
        BookPublisher::Target stopped = target;
        stopped.macApplication = application;
        std::atomic<bool> stop{false};
        const auto run = BookPublisher::publish({pagesOf(9), flashTemplate, nullptr, nullptr, nullptr}, stopped,
                                                [&](std::size_t done, std::size_t) { stop = done == 4; }, &stop);
        EXPECT_TRUE(run.stopped);
        EXPECT_FALSE(file::exists(scratch / "book/Trip.app"));
        EXPECT_FALSE(file::exists(scratch / "book/files/page/4.jpg"));
        EXPECT_EQ(file::readFile(scratch / "book/files/book.bin").value_or(""), bookBin);
    }
    // Trip.html, text.html, book.swf, files, notes.txt: no staging left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch / "book"), std::filesystem::directory_iterator()),
              5);
    // A book without a reading version takes the old one with it; the user's files stay.
    flashTemplate->setPropertyValue("writeTextVersion", "NO");
    ASSERT_TRUE(BookPublisher::publish({pagesOf(3), flashTemplate, nullptr, nullptr, nullptr}, target).ok());
    EXPECT_FALSE(file::exists(scratch / "book/text.html"));
    EXPECT_TRUE(file::isRegularFile(scratch / "book/notes.txt"));
}
