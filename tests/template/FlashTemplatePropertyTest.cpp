#include <gtest/gtest.h>

#include "base/PagewindException.h"
#include "base/XmlDocument.h"
#include "template/FlashTemplateProperty.h"
#include "template/StringUtil.h"

using pw::FlashTemplateProperty;
using pw::xml::Document;

namespace {

std::string propertyXml(const std::string& attributes, const std::string& value = "v",
                        const std::string& extra = "")
{
    return "<property" + attributes + "><key>k</key><title>T</title><desc>D</desc><value>" + value +
           "</value><valueSource>S</valueSource><defalutValue>d</defalutValue>" + extra + "</property>";
}

} // namespace

TEST(StringUtil, ValueAsBool)
{
    const std::vector<std::pair<std::optional<std::string>, bool>> cases = {
        {"yes", true}, {"Show", true}, {"enable", true}, {"TRUE", true}, {"1", false},
        {"on", false}, {" yes", false}, {"yes ", false}, {std::nullopt, false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(pw::valueAsBool(text), expected) << text.value_or("<absent>");
}

TEST(FlashTemplateProperty, TypeFromAttributes)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {" type=\"pt_color\"", pw::pt_color},
        {" type=\"PT_COLOR\"", pw::pt_text},  // names match exactly
        {" type=\"pt_list\" aType=\"x\"", pw::pt_bool},
        {" aType=\"\"", pw::pt_bool},
        {"", pw::pt_text},
        {" type=\"unknown\"", pw::pt_text},
    };
    for (const auto& [attributes, code] : cases) {
        const Document doc = Document::parse(propertyXml(attributes)).value();
        FlashTemplateProperty property;
        property.loadFromNode(doc.rootElement());
        EXPECT_EQ(property.propertyType(), code) << attributes;
    }
}

TEST(FlashTemplateProperty, TextsAreTakenUnchanged)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""}, {" 12 ", " 12 "}, {"a<![CDATA[<b>]]>c", "a<b>c"}, {"x<i>y</i>z", "xyz"},
    };
    for (const auto& [xmlValue, expected] : cases) {
        const Document doc = Document::parse(propertyXml("", xmlValue)).value();
        FlashTemplateProperty property;
        property.loadFromNode(doc.rootElement());
        ASSERT_TRUE(property.value()) << xmlValue;
        EXPECT_EQ(*property.value(), expected);
        EXPECT_EQ(property.aTitle(), "");
        EXPECT_EQ(property.defaultValue(), "d");
    }
}

TEST(FlashTemplateProperty, ChildrenAndReload)
{
    const std::string grandChild = propertyXml("");
    const std::string text = propertyXml(" type=\"pt_composite\"", "g",
                                         "<aTitle>first</aTitle><aTitle>second</aTitle><childProperties>" +
                                             propertyXml(" type=\"pt_color\"", "1") + "<other/>" +
                                             propertyXml("", "2",
                                                         "<childProperties>" + grandChild + "</childProperties>") +
                                             "</childProperties><childProperties>" + propertyXml("") +
                                             "</childProperties>");
    const Document doc = Document::parse(text).value();
    FlashTemplateProperty parent;
    FlashTemplateProperty root;
    root.setParent(&parent);
    root.loadFromNode(doc.rootElement());
    EXPECT_EQ(root.parent(), nullptr);
    EXPECT_EQ(root.aTitle(), "first");
    ASSERT_EQ(root.childCount(), 2u);
    EXPECT_EQ(root.childProperties()[0]->value(), "1");
    EXPECT_EQ(root.childProperties()[0]->propertyType(), pw::pt_color);
    EXPECT_EQ(root.childProperties()[1]->value(), "2");
    for (const auto& child : root.childProperties())
        EXPECT_EQ(child->parent(), &root);
    ASSERT_EQ(root.childProperties()[1]->childCount(), 1u);
    EXPECT_EQ(root.childProperties()[1]->childProperties()[0]->parent(), root.childProperties()[1].get());

    const Document other = Document::parse(propertyXml(" type=\"pt_number\"", "9")).value();
    root.loadFromNode(other.rootElement());
    EXPECT_EQ(root.childCount(), 0u);
    EXPECT_EQ(root.value(), "9");
    EXPECT_EQ(root.aTitle(), "");
    EXPECT_EQ(root.propertyType(), pw::pt_number);
}

TEST(FlashTemplateProperty, MissingRequiredElementIsRefusedAndChangesNothing)
{
    const std::vector<std::string> required = {"key", "title", "desc", "value", "valueSource", "defalutValue"};
    for (const std::string& name : required) {
        std::string broken = propertyXml("");
        const std::string open = "<" + name + ">";
        const size_t start = broken.find(open);
        const size_t end = broken.find("</" + name + ">") + name.size() + 3;
        broken.erase(start, end - start);
        // Once at the top and once two levels down: both must be refused whole.
        const std::vector<std::string> documents = {
            broken, propertyXml("", "v", "<childProperties>" +
                                             propertyXml("", "c", "<childProperties>" + broken + "</childProperties>") +
                                             "</childProperties>")};
        for (const std::string& text : documents) {
            const Document doc = Document::parse(text).value();
            FlashTemplateProperty property;
            property.setValue("before");
            try {
                property.loadFromNode(doc.rootElement());
                ADD_FAILURE() << "accepted without " << name;
            } catch (const pw::PagewindException& error) {
                EXPECT_EQ(error.name(), "ERROR_TEMPLATE_PROPERTY");
                EXPECT_NE(error.reason().find("<" + name + ">"), std::string::npos) << error.reason();
            }
            EXPECT_EQ(property.value(), "before");
            EXPECT_EQ(property.childCount(), 0u);
            EXPECT_EQ(property.title(), "Empty");
        }
    }
}
