// pagewind-cli publish --project: project files written as the format document describes them.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "base/FileUtil.h"
#include "support/TestPdf.h"

namespace file = pw::file;
using pw::test::runCli;

namespace {

const std::string kDemo = PAGEWIND_SOURCE_DIR "/resources/DemoImgs/";

std::string project(const std::string& pages, const std::string& publish = "")
{
    return "<?xml version=\"1.0\"?>\n<pagewindProject version=\"1\">" + pages +
           "<template name=\"float\" style=\"Dusk\"><value key=\"bookTitle\">From The Project</value></template>" +
           publish + "</pagewindProject>";
}

class ProjectCommandTest : public pw::test::CliFolderTest {
protected:
    pw::test::CliResult publish(const std::string& projectFile, std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> args = {"publish", "--resources", PAGEWIND_SOURCE_DIR "/resources", "--project", projectFile};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args);
    }
};

} // namespace

TEST_F(ProjectCommandTest, MakesTheBookOfEachKindOfPages)
{
    file::createDirectories(scratch_ / "p/photos");
    file::copyFile(kDemo + "01-sunrise.jpg", scratch_ / "p/photos/a.jpg");
    file::copyFile(kDemo + "02-lake.jpg", scratch_ / "p/photos/b.jpg");
    write("p/doc.pdf", pw::test::makePlainPdf(3));
    const struct {
        const char* pages;
        int pageCount;
    } cases[] = {
        {"<pages origin=\"demonstration\"/>", 8},
        {"<pages origin=\"pictures\" quality=\"2\"><picture>photos/a.jpg</picture><picture>photos/b.jpg</picture></pages>", 2},
        {"<pages origin=\"pdf\" range=\"2-3\"><pdf>doc.pdf</pdf></pages>", 2},
    };
    for (const auto& c : cases) {
        const std::string file = write("p/book.pagewind", project(c.pages, "<publish folder=\"out\" name=\"Trip\"/>"));
        const auto result = publish(file);
        ASSERT_EQ(result.exitCode, 0) << c.pages << result.err;
        EXPECT_EQ(result.out, scratch_ / "p/out/Trip.html\n");  // the project's own folder and name
        const std::string xml = decodedBook(scratch_ / "p/out");
        EXPECT_NE(xml.find("From The Project"), std::string::npos);
        EXPECT_NE(xml.find("count=\"" + std::to_string(c.pageCount) + "\""), std::string::npos) << c.pages;
        EXPECT_TRUE(file::isRegularFile(scratch_ / "p/out/files/extfiles/backgroundImage.jpg"));  // from the style
    }
    // -o and --app override the project's choices.
    const auto application = publish(scratch_ / "p/book.pagewind", {"--app", "-o", scratch_ / "apps"});
    EXPECT_EQ(application.exitCode, 0) << application.err;
    EXPECT_TRUE(file::isDirectory(scratch_ / "apps/Trip.app/Contents/Resources"));
}

TEST_F(ProjectCommandTest, RefusesWhatCannotMakeTheSameBook)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> extra;
        int exitCode;
        const char* message;
    } cases[] = {
        {"missing PDF", project("<pages origin=\"pdf\"><pdf>gone.pdf</pdf></pages>"), {"-o", "x"}, 1, "gone.pdf"},
        {"no folder", project("<pages/>"), {}, 2, "-o FOLDER"},
        {"template option", project("<pages/>"), {"-o", "x", "--template", "classic"}, 2, "comes from the project"},
        {"newer format", "<pagewindProject version=\"7\"/>", {"-o", "x"}, 1, "newer"},
    };
    for (const auto& c : cases) {
        const auto result = publish(write("p.pagewind", c.text), c.extra);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
        EXPECT_FALSE(file::exists("x/files"));
    }
}
