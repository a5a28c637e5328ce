#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/FileUtil.h"
#include "template/FlashTemplate.h"
#include "template/TemplateFixture.h"

using pw::FlashTemplate;
using pw::FlashTemplateProperty;
namespace file = pw::file;

namespace {

std::unique_ptr<FlashTemplateProperty> makeProperty(const std::string& key, std::optional<std::string> value,
                                                    std::int32_t type = pw::pt_text)
{
    auto property = std::make_unique<FlashTemplateProperty>();
    property->setKey(key);
    property->setValue(std::move(value));
    property->setPropertyType(type);
    return property;
}

// a=1 (child b=2), c="" : the tree of the byte-exact settings example.
FlashTemplate::Properties abcTree()
{
    FlashTemplate::Properties tree;
    tree.push_back(makeProperty("a", "1"));
    tree.back()->addChildProperty(makeProperty("b", "2"));
    tree.push_back(makeProperty("c", ""));
    return tree;
}

std::map<std::string, std::string> valuesOf(const FlashTemplate& tmpl, const std::vector<std::string>& keys)
{
    std::map<std::string, std::string> values;
    for (const std::string& key : keys)
        values[key] = tmpl.propertyValueFor(key, "<default>");
    return values;
}

} // namespace

class FlashTemplateLibrary : public pw::test::TemplateLibraryTest {};

TEST_F(FlashTemplateLibrary, PathsAndListings)
{
    // Every depth is listed, but neither files nor a link to a folder.
    std::filesystem::create_directory_symlink(r("AppFiles/Templates/float"), r("AppFiles/Templates/link"));
    std::vector<std::string> names = FlashTemplate::tmplNames();
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expectedNames = {
        r("AppFiles/Templates/bare"), r("AppFiles/Templates/classic"), r("AppFiles/Templates/float"),
        r("AppFiles/Templates/float/html"), r("AppFiles/Templates/float/images")};
    EXPECT_EQ(names, expectedNames);

    std::vector<std::string> styles = FlashTemplate::tmplStyleNamesForTmpl("float");
    std::sort(styles.begin(), styles.end());
    const std::vector<std::string> expectedStyles = {r("AppFiles/Styles/float/Blank"),
                                                     r("AppFiles/Styles/float/Blank/images"),
                                                     r("AppFiles/Styles/float/Dark")};
    EXPECT_EQ(styles, expectedStyles);
    EXPECT_TRUE(FlashTemplate::tmplStyleNamesForTmpl("none").empty());
}

TEST_F(FlashTemplateLibrary, HtmlTemplateIsFoundInTheTemplateFolderThenBelowTheDataRootAndTheMovieCopied)
{
    FlashTemplate tmpl;
    EXPECT_EQ(tmpl.HTMLFilePath(), "html\\index.html");
    EXPECT_EQ(tmpl.tmplHTMLFilePath(), r("AppFiles/Templates/float/html/index.html"));
    tmpl.loadTemplate("classic");
    EXPECT_EQ(tmpl.tmplHTMLFilePath(), r("AppFiles/html/classic.html"));
    tmpl.loadTemplate("bare");
    EXPECT_EQ(tmpl.tmplHTMLFilePath(), std::nullopt);
    tmpl.setHTMLFilePath("");
    EXPECT_EQ(tmpl.tmplHTMLFilePath(), std::nullopt);

    // The movie replaces the target; a template without one leaves none.
    const std::string target = resources_.write("book.swf", "old content that is longer than the movie");
    tmpl.loadTemplate("float");
    tmpl.copyBookSWFToFile(target);
    EXPECT_EQ(file::readFile(target), "FWS fixture movie for float");
    tmpl.loadTemplate("bare");
    tmpl.copyBookSWFToFile(target);
    EXPECT_FALSE(file::exists(target));
}

TEST_F(FlashTemplateLibrary, ExportIsByteExactOrKeepsTheOldFileAndImportRestores)
{
    FlashTemplate tmpl;
    tmpl.setProperties(abcTree());
    const std::string path = resources_ / "settings.txt";
    ASSERT_TRUE(tmpl.exportPropertiesSettingsTo(path));
    EXPECT_EQ(file::readFile(path), std::string("\x0A\x0D" "a=1" "\x0A\x0D" "b=2" "\x0A\x0D" "c="));

    tmpl.setPropertyValue("a", "changed");
    tmpl.setPropertyValue("b", "changed");
    tmpl.setPropertyValue("c", "changed");
    tmpl.importPropertiesSettingsFrom(path);
    EXPECT_EQ(valuesOf(tmpl, {"a", "b", "c"}),
              (std::map<std::string, std::string>{{"a", "1"}, {"b", "2"}, {"c", ""}}));

    tmpl.setProperties({});
    ASSERT_TRUE(tmpl.exportPropertiesSettingsTo(path));
    EXPECT_EQ(file::readFile(path), "");

    // A failed export keeps what was there.
    EXPECT_FALSE(tmpl.exportPropertiesSettingsTo(resources_ / "missing/folder/settings.txt"));
    const std::string folder = resources_ / "a-folder";
    ASSERT_TRUE(file::createDirectories(folder + "/inside"));
    EXPECT_FALSE(tmpl.exportPropertiesSettingsTo(folder));
    EXPECT_TRUE(file::isDirectory(folder + "/inside"));
}

TEST_F(FlashTemplateLibrary, ImportedLines)
{
    struct Case {
        const char* name;
        std::string content;
        std::map<std::string, std::string> expected; // keys not listed keep their start values
    };
    const std::vector<Case> cases = {
        {"further = belong to the value", "\n\rtitle=a=b", {{"title", "a=b"}}},
        {"empty key", "\n\r=5", {{"", "5"}}},
        {"unknown key", "\n\rx=1", {}},
        {"no equals sign", "\n\rtitle", {}},
        {"CR alone is no line end", "title=x\rother=y\r", {{"title", "xother=y"}}},
        {"LF CR line ends", "\n\rtitle=1\n\rother=2", {{"title", "1"}, {"other", "2"}}},
        {"later line wins", "title=1\ntitle=2", {{"title", "2"}}},
        {"page size is kept", "pageWidth=1200\npageHeight=900", {}},
    };
    for (const Case& c : cases) {
        FlashTemplate tmpl;
        FlashTemplate::Properties tree;
        for (const char* key : {"title", "", "other", "pageWidth", "pageHeight"})
            tree.push_back(makeProperty(key, "start"));
        tmpl.setProperties(std::move(tree));
        tmpl.importPropertiesSettingsFrom(resources_.write("import.txt", c.content));

        std::map<std::string, std::string> expected = {
            {"title", "start"}, {"", "start"}, {"other", "start"}, {"pageWidth", "start"}, {"pageHeight", "start"}};
        for (const auto& [key, value] : c.expected)
            expected[key] = value;
        EXPECT_EQ(valuesOf(tmpl, {"title", "", "other", "pageWidth", "pageHeight"}), expected) << c.name;
    }
}

TEST_F(FlashTemplateLibrary, DocumentTitleReplacesOnlyTheTemplatesOwnTitle)
{
    FlashTemplate tmpl;
    tmpl.loadStyleByStyleName("Blank");
    tmpl.adoptDocumentTitle("Annual Report");
    EXPECT_EQ(tmpl.propertyValueFor("bookTitle", ""), "Annual Report");
    tmpl.setPropertyValue("bookTitle", "Mine");
    tmpl.adoptDocumentTitle("Another Report");
    EXPECT_EQ(tmpl.propertyValueFor("bookTitle", ""), "Mine");
    tmpl.changeTmplTo("bare", FlashTemplate::stylePathFor("bare", "none"));
    tmpl.adoptDocumentTitle("Third");
    EXPECT_EQ(tmpl.propertyValueFor("bookTitle", ""), "Third");
}

TEST_F(FlashTemplateLibrary, KeyLookupTakesTheFirstInDepthFirstPreOrder)
{
    FlashTemplate tmpl;
    FlashTemplate::Properties tree;
    tree.push_back(makeProperty("group", "g"));
    FlashTemplateProperty* middle = tree.back()->addChildProperty(makeProperty("middle", "m"));
    middle->addChildProperty(makeProperty("dup", "nested"));
    tree.push_back(makeProperty("dup", "top"));
    tree.push_back(makeProperty("empty", ""));
    tree.push_back(makeProperty("absent", std::nullopt));
    tmpl.setProperties(std::move(tree));

    const std::vector<std::pair<std::string, std::string>> lookups = {
        {"dup", "nested"}, {"empty", ""}, {"absent", "<default>"}, {"unknown", "<default>"}, {"DUP", "<default>"},
        {"middle", "m"}};
    for (const auto& [key, expected] : lookups)
        EXPECT_EQ(tmpl.propertyValueFor(key, "<default>"), expected) << key;

    tmpl.setPropertyValue("dup", "set");
    EXPECT_EQ(middle->childProperties()[0]->value(), "set");
    EXPECT_EQ(tmpl.properties()[1]->value(), "top");

    EXPECT_EQ(tmpl.propertyValueFor(*tmpl.properties()[0], "dup"), "set");
    EXPECT_EQ(tmpl.propertyValueFor(*tmpl.properties()[0], "group"), std::nullopt);
    EXPECT_TRUE(tmpl.setPropertyValueAt(*tmpl.properties()[0], "middle", "m2"));
    EXPECT_FALSE(tmpl.setPropertyValueAt(*tmpl.properties()[1], "dup", "x"));
    EXPECT_EQ(tmpl.propertyValueFor("middle", ""), "m2");
}

TEST_F(FlashTemplateLibrary, TemplateChangeCarriesPageSizeAndLanguage)
{
    struct Case {
        const char* name;
        std::string fromTemplate;
        std::vector<std::pair<std::string, std::string>> before;
        std::string toTemplate, style;
        std::map<std::string, std::string> expected;
    };
    const std::vector<Case> cases = {
        {"float to classic", "float", {{"pageWidth", "800"}, {"languageSetting", "Spanish"}}, "classic", "Paper",
         {{"pageWidth", "800"}, {"pageHeight", "600"}, {"languageSetting", "Spanish"}, {"paperColor", "0xfff8e0"}}},
        {"classic to float keeps 800 over 960", "classic", {}, "float", "Blank",
         {{"pageWidth", "800"}, {"pageHeight", "500"}, {"languageSetting", "German"}, {"bookTitle", "Blank book"}}},
        {"template without the keys gives the defaults", "bare", {}, "float", "Dark",
         {{"pageWidth", "960"}, {"pageHeight", "600"}, {"languageSetting", ""}, {"textColor", "0xeeeeee"}}},
    };
    for (const Case& c : cases) {
        FlashTemplate tmpl;
        tmpl.loadTemplate(c.fromTemplate);
        for (const auto& [key, value] : c.before)
            tmpl.setPropertyValue(key, value);
        tmpl.changeTmplTo(c.toTemplate, FlashTemplate::stylePathFor(c.toTemplate, c.style));
        EXPECT_EQ(tmpl.tmplName(), c.toTemplate) << c.name;
        EXPECT_EQ(tmpl.styleName(), c.style) << c.name;
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(tmpl.propertyValueFor(key, "<default>"), value) << c.name << ": " << key;
    }
}

TEST_F(FlashTemplateLibrary, StyleResourcesResolveInsideTheStyleFolderOnly)
{
    FlashTemplate tmpl;
    const std::string written = "STYLE_RESOURCE:kept.jpg";
    // No style applied yet: the marker cannot be resolved and the value stays.
    tmpl.setPropertyValue("backgroundImage", "STYLE_RESOURCE:bg.jpg");
    EXPECT_EQ(tmpl.propertyValueFor("backgroundImage", ""), written);

    tmpl.changeTmplTo("float", FlashTemplate::stylePathFor("float", "Blank"));
    const std::string blank = r("AppFiles/Styles/float/Blank");
    EXPECT_EQ(tmpl.propertyValueFor("backgroundImage", ""), blank + "/images/bg.jpg");
    EXPECT_TRUE(file::isRegularFile(tmpl.propertyValueFor("backgroundImage", "")));

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"STYLE_RESOURCE:bg.jpg", blank + "/bg.jpg"},
        {"text before STYLE_RESOURCE:images/bg.jpg", blank + "/images/bg.jpg"},
        {"STYLE_RESOURCE:/abs.jpg", blank + "/abs.jpg"},
        {"STYLE_RESOURCE:images/../bg.jpg", blank + "/images/../bg.jpg"},
        {"/plain/path.jpg", "/plain/path.jpg"},
        {"", ""},
        {"STYLE_RESOURCE:../Dark/tmplSetting.txt", "<unchanged>"},
        {"STYLE_RESOURCE:images/../../Blank2/x", "<unchanged>"},
        {"STYLE_RESOURCE:", "<unchanged>"},
    };
    for (const auto& [value, expected] : cases) {
        tmpl.setPropertyValue("backgroundImage", "<unchanged>");
        tmpl.setPropertyValue("backgroundImage", value);
        EXPECT_EQ(tmpl.propertyValueFor("backgroundImage", ""), expected) << value;
    }
    tmpl.setPropertyValue("bookTitle", "STYLE_RESOURCE:bg.jpg");
    EXPECT_EQ(tmpl.propertyValueFor("bookTitle", ""), "STYLE_RESOURCE:bg.jpg");

    // The Dark style names a file of another style folder: refused, the description's value stays.
    tmpl.changeTmplTo("float", FlashTemplate::stylePathFor("float", "Dark"));
    EXPECT_EQ(tmpl.propertyValueFor("backgroundImage", ""), written);
}

TEST_F(FlashTemplateLibrary, BrokenDescriptionsLeaveNoProperties)
{
    const std::string head = "<template><info><htmlPath>other.html</htmlPath><swfPath>s</swfPath>"
                             "<defaultStyle>D</defaultStyle><macAppFilesFolder>m</macAppFilesFolder>"
                             "<mobileTmplFilesPath>p</mobileTmplFilesPath></info>";
    const std::string goodProperty = "<property><key>k</key><title>t</title><desc>d</desc><value>v</value>"
                                     "<valueSource/><defalutValue/></property>";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not xml at all", "plain text"},
        {"no info", "<template><properties>" + goodProperty + "</properties></template>"},
        {"info without swfPath",
         "<template><info><htmlPath>h</htmlPath><defaultStyle>D</defaultStyle><macAppFilesFolder/>"
         "<mobileTmplFilesPath/></info><properties>" + goodProperty + "</properties></template>"},
        {"no properties", head + "</template>"},
        {"property without title",
         head + "<properties>" + goodProperty +
             "<property><key>k2</key><desc>d</desc><value>v</value><valueSource/><defalutValue/></property>"
             "</properties></template>"},
    };
    for (const auto& [name, content] : cases) {
        const std::string folder = r("AppFiles/Templates/broken");
        resources_.write("R/AppFiles/Templates/broken/flashTemplate.xml", content);
        FlashTemplate tmpl;
        ::testing::internal::CaptureStderr();
        tmpl.loadTemplate("broken");
        const std::string log = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(tmpl.properties().empty()) << name;
        EXPECT_EQ(tmpl.tmplName(), "broken");
        EXPECT_EQ(tmpl.HTMLFilePath(), "html\\index.html") << name;
        EXPECT_NE(log.find("ERROR"), std::string::npos) << name << ": " << log;
        EXPECT_NE(log.find(folder + "/flashTemplate.xml"), std::string::npos) << name << ": " << log;
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << name << ": " << log;
    }
}
