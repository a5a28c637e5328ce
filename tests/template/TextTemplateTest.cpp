#include <gtest/gtest.h>

#include "base/FileUtil.h"
#include "base/TextEncoding.h"
#include "support/ScratchFolder.h"
#include "template/HTMLConfigInfo.h"
#include "template/TextTemplate.h"

using pw::HTMLConfigInfo;
using pw::TextTemplate;
namespace file = pw::file;

TEST(TextTemplate, SubstitutionReplacementAndRemoval)
{
    struct Case {
        std::string text;
        std::map<std::string, std::string> values;
        std::string expected;
    };
    const std::map<std::string, std::string> x1 = {{"x", "1"}};
    const std::map<std::string, std::string> x1y2 = {{"x", "1"}, {"y", "2"}};
    const std::vector<Case> cases = {
        {"a${x}b", x1, "a1b"},
        {"a${x}b", {}, "ab"},
        {"${x}\n\t${y}\r\n", x1y2, "1\n\t2\r\n"},
        {"${ x}", {{" x", "blank"}}, "blank"},
        {"abc${x", x1, "abc1"},
        {"a${}b", {{"", "E"}}, "aEb"},
        {"${x}", {{"x", "${y}"}, {"y", "2"}}, "${y}"},
        {"$${x}}", x1, "$1}"},
        {"${X}", x1, ""},
        {"${x}", {{"x", "<b>&amp;</b>"}}, "<b>&amp;</b>"},
    };
    for (const Case& c : cases) {
        TextTemplate tmpl(c.text);
        for (const auto& [key, value] : c.values)
            tmpl.setItem(key, value);
        EXPECT_EQ(tmpl.parse(), c.expected) << c.text;
        EXPECT_EQ(tmpl.parse(), c.expected) << "second parse of " << c.text;
    }
    // A value set again replaces the first; one removed leaves nothing.
    TextTemplate tmpl("[${x}]");
    tmpl.setItem("x", "1");
    tmpl.setItem("x", "2");
    EXPECT_EQ(tmpl.parse(), "[2]");
    tmpl.setItem("x", std::nullopt);
    EXPECT_EQ(tmpl.parse(), "[]");
}

TEST(HTMLConfigInfo, GeneratedPagesOrNoneFromAnUnreadableTemplate)
{
    const std::string allFive = "<title>${index.title}</title>|${meta.keywords}|${meta.description}|"
                                "${script.bottom}|${script.other}";
    struct Case {
        const char* name;
        std::string templateBytes;
        bool customised;
        std::string expected;
    };
    HTMLConfigInfo defaults;
    const std::string defaultPage = "<title>Quirewright</title>|" + defaults.HTMLKeywords() + "|" +
                                    defaults.HTMLDescription() + "||";
    const std::string customPage =
        "<title>Caf\xC3\xA9 &amp; &lt;b&gt;</title>|k &quot;x&quot;|d &lt;i&gt;|<script>b</script>|<script>o</script>";
    const std::vector<Case> cases = {
        {"defaults", allFive, false, defaultPage},
        {"texts escaped, scripts as they are", allFive, true, customPage},
        {"UTF-8 mark dropped", "\xEF\xBB\xBF" + allFive, false, defaultPage},
        {"UTF-16 template", pw::text::encodeUtf16WithBom(*pw::text::utf8ToUtf16(allFive + " \xE2\x82\xAC")), false,
         defaultPage + " \xE2\x82\xAC"},
        {"UTF-8 text kept", "\xC3\xA4${index.title}\xC3\xB6", false, "\xC3\xA4Quirewright\xC3\xB6"},
    };
    for (const Case& c : cases) {
        pw::test::ScratchFolder folder;
        HTMLConfigInfo info;
        if (c.customised) {
            info.setHTMLTitle("Caf\xC3\xA9 & <b>");
            info.setHTMLKeywords("k \"x\"");
            info.setHTMLDescription("d <i>");
            info.setHTMLScript("<script>b</script>");
            info.setOtherScript("<script>o</script>");
        }
        EXPECT_TRUE(info.generateHTMLFrom(folder.write("index.html", c.templateBytes), folder / "page.html")) << c.name;
        EXPECT_EQ(file::readFile(folder / "page.html"), c.expected) << c.name;
    }
    // A template that cannot be read writes no page, and an old page stays.
    pw::test::ScratchFolder folder;
    const std::string brokenUtf16("\xFF\xFE\x00\xD8", 4); // a lone high surrogate
    folder.write("old.html", "old page");
    HTMLConfigInfo info;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(info.generateHTMLFrom(folder / "missing.html", folder / "page.html"));
    EXPECT_FALSE(info.generateHTMLFrom(folder.write("broken.html", brokenUtf16), folder / "page.html"));
    EXPECT_FALSE(info.generateHTMLFrom(folder.path(), folder / "old.html"));
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(file::exists(folder / "page.html"));
    EXPECT_EQ(file::readFile(folder / "old.html"), "old page");
    EXPECT_NE(log.find("missing.html"), std::string::npos) << log;
}
