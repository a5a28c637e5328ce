#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "CliRunner.h"
#include "base/FileUtil.h"
#include "base/XmlDocument.h"
#include "support/TemplateXml.h"
#include "support/TestPictures.h"

namespace file = pw::file;
namespace fs = std::filesystem;
using pw::test::CliResult;
using pw::test::runCli;
using pw::test::templateDescription;
using pw::test::property;

namespace {

std::vector<std::string> operator+(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// A resource folder of two small templates, each with styles, and an application shell.
class CliTest : public pw::test::CliFolderTest {
protected:
    void SetUp() override
    {
        resources_ = path("R");
        for (const std::string name : {"float", "classic"}) {
            const std::string tmpl = "R/AppFiles/Templates/" + name;
            write(tmpl + "/flashTemplate.xml",
                  templateDescription(property("pt_number", "pageWidth", "960") + property("pt_number", "pageHeight", "600") +
                                      property("pt_text", "bookTitle", "") + property("pt_bool", "isHardCover", "NO") +
                                      property("pt_composite", "colors", "", property("pt_color", "backgroundColor", "0x112233")) +
                                      property("pt_file", "backgroundImage", "")));
            write(tmpl + "/book.swf", "SWF of " + name);
            write(tmpl + "/html/index.html", "<title>${index.title}</title>");
            file::createDirectories(path(tmpl + "/images"));  // not a template of its own
            for (const std::string style : {"Blank", "Dark"}) {
                const std::string styleFolder = "R/AppFiles/Styles/" + name + "/" + style;
                write(styleFolder + "/tmplSetting.txt",
                      "\n\rbackgroundColor=0x" + std::string(style == "Dark" ? "000000" : "ffffff") +
                          "\n\rbackgroundImage=STYLE_RESOURCE:bg.jpg");
                write(styleFolder + "/bg.jpg", "style picture");
            }
        }
        write("R/AppFiles/TmplData/mac.app/Contents/Info.plist", "<plist/>");
        for (const std::string picture : {"a.jpg", "b.png", "c.jpg"})
            pw::test::writePicture(scratch_.path(), {picture});
    }

    CliResult publish(std::vector<std::string> extra)
    {
        std::vector<std::string> args = {"publish", "--resources", resources_};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    }

    std::string resources_;
};

void expectOneErrorLine(const CliResult& result, int exitCode, const std::string& fragment)
{
    EXPECT_EQ(result.exitCode, exitCode) << result.err;
    EXPECT_EQ(result.err.rfind("pagewind-cli: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(fragment), std::string::npos) << result.err;
    if (exitCode == 1) {
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

} // namespace

TEST_F(CliTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "usage"},
        {{"bogus"}, "unknown command"},
        {{"publish", path("a.jpg")}, "-o FOLDER"},
        {{"publish", "-o", path("out")}, "at least one picture"},
        {{"publish", "-o", path("out"), "--set", "novalue", path("a.jpg")}, "KEY=VALUE"},
        {{"publish", "-o", path("out"), "--set", "=x", path("a.jpg")}, "KEY=VALUE"},
        {{"publish", "-o", path("out"), "--frobnicate", path("a.jpg")}, "unknown option --frobnicate"},
        {{"publish", "-o", path("out"), "--app=yes", path("a.jpg")}, "takes no value"},
        {{"publish", path("a.jpg"), "-o"}, "needs a value"},
        {{"publish", "-o", path("out"), "--name", "", path("a.jpg")}, "--name"},
        {{"publish", "-o", path("out"), "--name", "../escaped", path("a.jpg")}, "not a path"},
        {{"publish", "-o", path("out"), "--app", "--print-embed", path("a.jpg")}, "cannot be embedded"},
        {{"decode"}, "exactly one"},
        {{"templates", "extra"}, "no arguments"},
        {{"serve"}, "exactly one folder"},
        {{"serve", path("out"), "--port", "http"}, "--port takes a number"},
        {{"serve", path("out"), "--port", "70000"}, "--port takes a number"},
        {{"serve", path("out"), "--port", "80abc"}, "--port takes a number"},  // before the folder's check
    };
    for (const auto& [args, fragment] : cases) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args) << result.err;
        EXPECT_NE(result.err.find(fragment), std::string::npos) << testing::PrintToString(args) << result.err;
    }
    EXPECT_FALSE(file::exists(path("out"))) << "a usage error writes nothing";
}

TEST_F(CliTest, FailuresExitWithOneAndWriteNothing)
{
    write("not-a-book.bin", "this is no book");
    write("blocker", "a file where a folder should go");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-o", path("out"), path("a.jpg"), path("missing.jpg")}, "no such picture: " + path("missing.jpg")},
        {{"-o", path("out"), "--", "-name.jpg"}, "no such picture: -name.jpg"},  // a picture, and "--" none
        {{"-o", path("out"), "--template", "nosuch", path("a.jpg")}, "unknown template \"nosuch\""},
        {{"-o", path("out"), "--template", "float/images", path("a.jpg")}, "unknown template"},
        {{"-o", path("out"), "--style", "Neon", path("a.jpg")}, "unknown style \"Neon\""},
        {{"-o", path("out"), "--style", "../classic/Dark", path("a.jpg")}, "unknown style"},
        {{"-o", path("out"), "--style", ".", path("a.jpg")}, "unknown style \".\""},
        {{"-o", path("out"), "--settings", path("none.txt"), path("a.jpg")}, "no such settings file"},
        {{"-o", path("out"), "--set", "noSuchKey=1", path("a.jpg")}, "no property \"noSuchKey\""},
        {{"-o", path("out"), "--resources", path("nowhere"), path("a.jpg")}, "resource folder"},
    };
    for (const auto& [args, fragment] : cases)
        expectOneErrorLine(publish(args), 1, fragment);
    EXPECT_FALSE(file::exists(path("out")));

    expectOneErrorLine(publish({"-o", path("blocker/sub"), path("a.jpg")}), 1, "cannot create the book folder");
    expectOneErrorLine(runCli({"decode", path("not-a-book.bin")}), 1, "not a book configuration file");
    expectOneErrorLine(runCli({"decode", path("nothing.bin")}), 1, "no such file");
    expectOneErrorLine(runCli({"serve", path("nowhere")}), 1, "no such folder");
}

TEST_F(CliTest, PublishWritesTheWholeBook)
{
    const CliResult result = publish({"-o", path("out/deep"), "--style", "Dark", "--set", "bookTitle=Our Trip",
                                      "--set", "isHardCover=YES", path("a.jpg"), path("b.png"), path("c.jpg")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path("out/deep/index.html") + "\n");
    // Upright JPEGs go in as they are; the PNG is made again, a small drawing stays PNG.
    EXPECT_TRUE(file::isRegularFile(path("out/deep/files/page/2.png")));
    const std::vector<std::pair<std::string, std::string>> files = {
        {"out/deep/files/page/1.jpg", *file::readFile(path("a.jpg"))},
        {"out/deep/files/page/3.jpg", *file::readFile(path("c.jpg"))},
        {"out/deep/files/extfiles/backgroundImage.jpg", "style picture"},
        {"out/deep/book.swf", "SWF of float"},
        {"out/deep/index.html", "<title>Our Trip</title>"},
    };
    for (const auto& [name, content] : files)
        EXPECT_EQ(file::readFile(path(name)).value_or("(missing)"), content) << name;

    const std::string xml = decodedBook(path("out/deep"));
    const CliResult decoded = runCli({"decode", path("out/deep/files/book.bin")});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_EQ(decoded.out, xml.back() == '\n' ? xml : xml + "\n");
    const std::optional<pw::xml::Document> doc = pw::xml::Document::parse(xml);
    ASSERT_TRUE(doc) << xml;
    EXPECT_EQ(doc->rootElement().attributeForName("count"), "3");
    const auto pages = doc->rootElement().firstElementForName("pages").elementsForName("page");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].firstElementForName("normalUrl").stringValue(), "./files/page/2.png");
    EXPECT_EQ(pages[0].attributeForName("isHardPage"), "true");
    EXPECT_NE(xml.find(">0x000000<"), std::string::npos) << "the style's value";
}

// A picture whose name is not UTF-8 still gives a well-formed book whose page URL names the
// page file that was written.
TEST_F(CliTest, PictureNamesThatAreNotUtf8)
{
    const std::string odd = path("Caf\xE9.J\xC9G");
    ASSERT_TRUE(file::copyFile(path("a.jpg"), odd));
    ASSERT_EQ(publish({"-o", path("out"), odd}).exitCode, 0);
    const std::string xml = decodedBook(path("out"));
    EXPECT_TRUE(pw::xml::Document::isWellFormed(xml)) << xml;
    const std::string url = "./files/page/1.J\xEF\xBF\xBDG";
    EXPECT_NE(xml.find("<normalUrl>" + url + "</normalUrl>"), std::string::npos) << xml;
    EXPECT_EQ(file::readFile(path("out/" + url.substr(2))), file::readFile(path("a.jpg")));
}

TEST_F(CliTest, NamesTitlesAndTheApplicationBundle)
{
    ASSERT_EQ(publish({"-o", path("o1"), "--name", "Trip.html", path("a.jpg")}).exitCode, 0);
    EXPECT_TRUE(file::isRegularFile(path("o1/Trip.html")));
    EXPECT_FALSE(file::exists(path("o1/Trip.html.html")));
    EXPECT_EQ(file::readFile(path("o1/Trip.html")), "<title>Trip</title>") << "no book title: the name";

    // With the code that embeds the book in a page beside its folder, sized for a spread and the toolbar.
    const CliResult embedded = publish({"-o", path("o 2"), "--name", "Trip", "--title", "A & B", "--print-embed", "--set",
                                        "pageWidth=960", "--set", "pageHeight=600", path("a.jpg")});
    ASSERT_EQ(embedded.exitCode, 0) << embedded.err;
    EXPECT_EQ(file::readFile(path("o 2/Trip.html")), "<title>A &amp; B</title>");
    EXPECT_EQ(embedded.out, path("o 2/Trip.html") + "\n<iframe src=\"o%202/Trip.html\" title=\"A &amp; B\" width=\"960\" "
                            "height=\"408\" style=\"display:block;width:100%;max-width:960px;height:auto;aspect-ratio:960/408;"
                            "min-height:400px;border:0\" allow=\"fullscreen\" allowfullscreen loading=\"lazy\"></iframe>\n");

    // Making and replacing the bundle is tested with the book writer; here the options reach it.
    const CliResult app = publish({"-o", path("o3"), "--app", "--name", "My.Trip", "--template", "classic", path("a.jpg")});
    ASSERT_EQ(app.exitCode, 0) << app.err;
    EXPECT_EQ(app.out, path("o3/My.Trip.app") + "\n");
    EXPECT_EQ(file::readFile(path("o3/My.Trip.app/Contents/Resources/book.swf")), "SWF of classic");
}

TEST_F(CliTest, IncompleteBooksAreReported)
{
    // The settings name a picture that is not there: the book is written, but not complete.
    write("settings.txt", "\n\rbackgroundImage=" + path("gone.jpg"));
    const CliResult result = publish({"-o", path("out"), "--settings", path("settings.txt"), path("a.jpg")});
    expectOneErrorLine(result, 1, "backgroundImage");
    EXPECT_TRUE(file::isRegularFile(path("out/files/book.bin")));

    fs::remove(fs::path(resources_) / "AppFiles/Templates/float/book.swf");
    expectOneErrorLine(publish({"-o", path("out2"), path("a.jpg")}), 1, "book.swf");
}

TEST_F(CliTest, PublishTakesThePageShapeOfTheFirstPicture)
{
    const std::string demo = PAGEWIND_SOURCE_DIR "/resources/DemoImgs/01-sunrise.jpg";
    struct Case {
        std::vector<std::string> args;
        std::string width, height;
        bool warns;
    };
    const std::vector<Case> cases = {
        {{demo, path("a.jpg")}, "1600", "1000", false},
        {{"--set", "pageWidth=700", demo}, "700", "1000", false},
        {{"--set", "pageHeight=300", "--set", "pageWidth=400", demo}, "400", "300", false},
        {{write("letter.jpg", "not a picture"), demo}, "1600", "1000", true},  // left out
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"-o", path("shape")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = publish(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err.find("skipped " + path("letter.jpg")) != std::string::npos, c.warns) << result.err;
        const auto doc = pw::xml::Document::parse(decodedBook(path("shape")));
        ASSERT_TRUE(doc);
        std::map<std::string, std::string> items;
        for (const auto& item : doc->rootElement().firstElementForName("extConfig").elementsForName("item"))
            items[item.attributeForName("name").value_or("")] = item.stringValue();
        EXPECT_EQ(items["pageWidth"] + "x" + items["pageHeight"], c.width + "x" + c.height) << c.args.front();
    }
}

// Every kind of picture makes the same pages through build (a PDF imported) and publish (the
// pictures themselves): upright, in sRGB, at their own size; bad files are named and left out.
TEST_F(CliTest, EveryKindOfPictureThroughBuildAndPublish)
{
    std::vector<std::string> pictures;
    for (const auto& c : pw::test::pictureCases())
        pictures.push_back(pw::test::writePicture(path("kinds"), c));
    file::createDirectories(path("tmp"));
    const pw::test::ScopedEnvironment tmp("TMPDIR", path("tmp"));
    for (const std::string command : {"build", "publish"}) {
        SCOPED_TRACE(command);
        const CliResult result = runCli(std::vector<std::string>{command, "--resources", resources_, "-o", path(command)} + pictures);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        // The page size is the first picture's; the PDF build leaves no file behind.
        EXPECT_NE(decodedBook(path(command)).find("<item name=\"pageWidth\">64</item>"), std::string::npos);
        EXPECT_TRUE(fs::is_empty(path("tmp/Leafreel")));
        int page = 0;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            const auto& c = pw::test::pictureCases()[i];
            using Status = pw::PictureOutcome::Status;
            const std::string warning = c.status == Status::unreadable ? "skipped " + pictures[i] + ": "
                                        : c.status == Status::damaged ? pictures[i] + " is damaged; its page may show grey"
                                                                      : pictures[i];
            EXPECT_EQ(result.err.find(warning) != std::string::npos, c.status != Status::ok) << c.name << result.err;
            if (c.status == Status::unreadable)
                continue;
            const std::string stem = path(command + "/files/page/" + std::to_string(++page));
            EXPECT_TRUE(pw::test::showsCase(file::isRegularFile(stem + ".png") ? stem + ".png" : stem + ".jpg", c, 10));
            // The thumbnail panel's picture of the page shows the same (these pictures are smaller than one).
            EXPECT_TRUE(pw::test::showsCase(path(command + "/files/thumb/" + std::to_string(page) + ".jpg"), c, 14)) << c.name;
        }
    }
    // With no picture that can be read, nothing is made and every file is named.
    const std::vector<std::string> bad = {pictures[17], pictures[18]};
    for (const std::string command : {"build", "publish"}) {
        const CliResult result = runCli(std::vector<std::string>{command, "--resources", resources_, "-o", path("none")} + bad);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("pagewind-cli: none of the files is a picture that can be read"), std::string::npos);
        EXPECT_NE(result.err.find(bad[0] + ": not a picture"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(bad[1] + ": not a picture"), std::string::npos) << result.err;
    }
}

TEST_F(CliTest, TemplatesListsTemplatesAndIndentedStyles)
{
    const CliResult result = runCli({"templates", "--resources", resources_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "classic\n  Blank\n  Dark\nfloat\n  Blank\n  Dark\n");

    fs::remove_all(fs::path(resources_) / "AppFiles/Templates");
    expectOneErrorLine(runCli({"templates", "--resources", resources_}), 1, "no templates");
}

TEST_F(CliTest, HelpAndVersion)
{
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"publish", "decode", "templates"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const CliResult publishHelp = runCli({"publish", "--help"});
    EXPECT_EQ(publishHelp.exitCode, 0);
    EXPECT_NE(publishHelp.out.find("--settings FILE"), std::string::npos) << publishHelp.out;
    EXPECT_NE(publishHelp.out.find(".jpg .jpeg .jpe .png .heic .heif"), std::string::npos) << publishHelp.out;
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("pagewind-cli ", 0), 0u);
}
