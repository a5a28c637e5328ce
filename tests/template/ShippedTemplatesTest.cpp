#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "base/FileUtil.h"
#include "base/ResourceFolder.h"
#include "base/XmlDocument.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"

using pw::FlashTemplate;
using pw::FlashTemplateProperty;
namespace file = pw::file;

// The templates and styles shipped in the source tree's resources/ must load whole and apply
// cleanly: a typo in a description or a settings file would otherwise only show as a
// silently missing property or an ignored style line.
namespace {

const std::string kResources = PAGEWIND_SOURCE_DIR "/resources";

std::vector<std::string> shippedTemplates()
{
    std::vector<std::string> names;
    for (const std::string& folder : FlashTemplate::tmplNames()) {
        if (file::isRegularFile(file::joinPath(folder, "flashTemplate.xml")))
            names.push_back(file::lastPathComponent(folder));
    }
    return names;
}

std::vector<std::string> shippedStyles(const std::string& tmplName)
{
    std::vector<std::string> folders;
    for (const std::string& folder : FlashTemplate::tmplStyleNamesForTmpl(tmplName)) {
        if (file::isRegularFile(file::joinPath(folder, "tmplSetting.txt")))
            folders.push_back(folder);
    }
    return folders;
}

size_t countPropertyElements(const pw::xml::Element& element)
{
    size_t count = element.name() == "property" ? 1 : 0;
    for (const pw::xml::Element& child : element.childElements())
        count += countPropertyElements(child);
    return count;
}

std::set<std::string> keysOf(const FlashTemplate& tmpl)
{
    std::set<std::string> keys;
    pw::templatetree::forEachProperty(tmpl, [&](const FlashTemplateProperty& p) { keys.insert(p.key()); });
    return keys;
}

std::vector<std::string> exported(const FlashTemplate& tmpl)
{
    std::vector<std::string> entries;
    tmpl.exportPropertiesSettingsToArray(entries, nullptr);
    return entries;
}

// The "key=value" lines of a settings file.
std::vector<std::pair<std::string, std::string>> settingsLines(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream text(file::readFile(path).value_or(""));
    for (std::string line; std::getline(text, line);) {
        std::erase(line, '\r');
        if (const size_t equals = line.find('='); equals != std::string::npos)
            lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return lines;
}

class ShippedTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Until the shipped resources are part of the tree there is nothing to check.
        if (!file::isDirectory(kResources + "/AppFiles/Templates"))
            GTEST_SKIP() << "no shipped templates in " << kResources;
        pw::resources::setResourceFolder(kResources);
    }
    void TearDown() override { pw::resources::setResourceFolder(std::nullopt); }
};

} // namespace

TEST_F(ShippedTemplates, EveryTemplateLoadsWithAllItsProperties)
{
    for (const std::string& name : shippedTemplates()) {
        FlashTemplate tmpl;
        ::testing::internal::CaptureStderr();
        tmpl.loadTemplate(name);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << name;

        std::string error;
        const std::optional<pw::xml::Document> doc =
            pw::xml::Document::readFile(FlashTemplate::tmplMetaPathForName(name), &error);
        ASSERT_TRUE(doc) << name << ": " << error;
        EXPECT_GT(tmpl.properties().size(), 0u) << name;
        EXPECT_EQ(keysOf(tmpl).size(), countPropertyElements(doc->rootElement()))
            << name << ": every property element loads, under a key of its own";

        const std::string folder = FlashTemplate::tmplPathForName(name);
        EXPECT_TRUE(file::isRegularFile(folder + "book.swf")) << name;
        EXPECT_TRUE(file::isRegularFile(folder + "icon.png")) << name;
        ASSERT_TRUE(tmpl.tmplHTMLFilePath()) << name;
        EXPECT_TRUE(file::isRegularFile(*tmpl.tmplHTMLFilePath())) << name;
        EXPECT_FALSE(shippedStyles(name).empty()) << name << " has no style";
        // Every title, switch title and tip is there in the interface's four other languages.
        pw::templatetree::forEachProperty(tmpl, [&](const FlashTemplateProperty& p) {
            for (const char* language : {"de", "fr", "es", "zh_CN"}) {
                const auto texts = p.translations().find(language);
                ASSERT_NE(texts, p.translations().end()) << name << ": " << p.key() << " has no " << language;
                EXPECT_TRUE(!texts->second.title.empty() && !texts->second.desc.empty() &&
                            texts->second.aTitle.empty() == p.aTitle().empty())
                    << name << ": " << p.key() << " in " << language;
                if (p.propertyType() == pw::pt_list) {  // as many choices shown as there are to store
                    EXPECT_EQ(std::count(texts->second.choices.begin(), texts->second.choices.end(), ','),
                              std::count(p.valueSource().begin(), p.valueSource().end(), ','))
                        << name << ": " << p.key() << " in " << language;
                }
            }
        });
    }
}

TEST_F(ShippedTemplates, TemplatesCarryTheAgreedKeys)
{
    const std::map<std::string, std::vector<std::string>> agreed = {
        {"float",
         {"pageWidth", "pageHeight", "bookTitle", "isHardCover", "languageSetting", "readingDirection", "flipSpeed",
          "colors", "backgroundColor", "toolbarColor", "textColor", "backgroundImage", "toolbar", "showThumbnails",
          "showOutline", "showZoom", "showFullscreen", "showSound"}},
        {"classic",
         {"pageWidth", "pageHeight", "bookTitle", "isHardCover", "languageSetting", "readingDirection", "flipSpeed",
          "colors", "backgroundColor", "paperColor", "accentColor", "logoImage", "backgroundImage", "buttons",
          "showThumbnails", "showOutline", "showZoom", "showFullscreen", "showPageNumbers", "showShadow"}},
    };
    // Every template shares these, each with its default: what finds and shares a book, and the switches of its
    // print, download, share, resume and auto-play buttons and of its plain reading version.
    const std::vector<std::pair<std::string, std::string>> shared = {
        {"bookDescription", ""}, {"bookAddress", ""},    {"showPrint", "YES"},      {"showDownload", "NO"},
        {"showShare", "YES"},    {"resumeReading", "YES"}, {"showAutoPlay", "NO"}, {"autoPlayInterval", "4"},
        {"autoPlayLoop", "NO"},  {"writeTextVersion", "YES"}};
    for (const auto& [name, keys] : agreed) {
        FlashTemplate tmpl;
        tmpl.loadTemplate(name);
        const std::set<std::string> present = keysOf(tmpl);
        for (const std::string& key : keys)
            EXPECT_TRUE(present.count(key)) << name << " lacks " << key;
        for (const auto& [key, value] : shared)
            EXPECT_EQ(tmpl.propertyValueFor(key, "(none)"), value) << name << ": " << key;
    }
    FlashTemplate floatTemplate;
    EXPECT_EQ(floatTemplate.propertyValueFor("pageWidth", ""), "960");
    EXPECT_EQ(floatTemplate.propertyValueFor("pageHeight", ""), "600");
    EXPECT_TRUE(file::isRegularFile(FlashTemplate::stylePathFor("float", "Blank") + "/tmplSetting.txt"));
}

TEST_F(ShippedTemplates, EveryStyleAppliesChangesSomethingAndFindsItsResources)
{
    for (const std::string& name : shippedTemplates()) {
        for (const std::string& stylePath : shippedStyles(name)) {
            const std::string label = name + "/" + file::lastPathComponent(stylePath);
            FlashTemplate tmpl;
            tmpl.loadTemplate(name);
            const std::vector<std::string> before = exported(tmpl);
            const std::set<std::string> keys = keysOf(tmpl);

            ::testing::internal::CaptureStderr();
            tmpl.changeTmplTo(name, stylePath);
            EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << label;
            EXPECT_NE(exported(tmpl), before) << label << " changes nothing";
            EXPECT_TRUE(file::isRegularFile(file::joinPath(stylePath, "shot.jpg"))) << label;

            for (const auto& [key, value] : settingsLines(file::joinPath(stylePath, "tmplSetting.txt"))) {
                EXPECT_TRUE(keys.count(key)) << label << ": no property has the key " << key;
                if (value.find("STYLE_RESOURCE:") == std::string::npos || key == "pageWidth" || key == "pageHeight")
                    continue;
                const std::string resolved = tmpl.propertyValueFor(key, "");
                EXPECT_EQ(resolved.rfind(stylePath + "/", 0), 0u) << label << ": " << key << "=" << resolved;
                EXPECT_TRUE(file::isRegularFile(resolved)) << label << ": " << key << "=" << value;
            }
        }
    }
}
