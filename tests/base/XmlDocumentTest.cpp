#include <gtest/gtest.h>

#include "base/XmlDocument.h"

using pw::xml::Document;
using pw::xml::OwnedElement;

TEST(XmlDocument, TextAndAttributesSurviveWriteAndRead)
{
    OwnedElement root("flipbook");
    root->addAttribute("count", "3");
    root->addAttribute("appAppName", "a & <b>");
    root->addChildElement("c", "Tom & Jerry <3> \"quoted\"");
    const std::string text = Document::withRootElement(std::move(root)).xmlData();

    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("count=\"3\" appAppName="), std::string::npos) << text;
    std::string error;
    std::optional<Document> read = Document::parse(text, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->rootElement().firstElementForName("c").stringValue(), "Tom & Jerry <3> \"quoted\"");
    EXPECT_EQ(read->rootElement().attributeForName("appAppName"), "a & <b>");
    EXPECT_FALSE(read->rootElement().attributeForName("missing"));
}

TEST(XmlDocument, StrictParseKeepsWhiteSpaceAndCdata)
{
    std::optional<Document> doc = Document::parse("<r><v> 12 </v><w><![CDATA[a<b]]>c</w></r>");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->rootElement().firstElementForName("v").stringValue(), " 12 ");
    EXPECT_EQ(doc->rootElement().firstElementForName("w").stringValue(), "a<bc");
}

TEST(XmlDocument, RecoverModeRepairsWhatStrictRefuses)
{
    std::optional<Document> doc = Document::parse("<r><a>1</a><b>unclosed</r>");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->rootElement().firstElementForName("a").stringValue(), "1");
}

TEST(XmlDocument, RecoveredTextIsAlwaysUtf8)
{
    struct Case {
        std::string input;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"<r><c>Intro\xb4</c></r>", "Intro\xEF\xBF\xBD"},        // a stray Latin-1 byte
        {"<r><c>caf\xc3</c></r>", "caf\xEF\xBF\xBD"},            // a sequence cut short
        {"<r><c>\xc3\xa9t\xc3\xa9</c></r>", "\xc3\xa9t\xc3\xa9"},  // valid text stays
    };
    for (const Case& c : cases) {
        std::optional<Document> doc = Document::parse(c.input);
        ASSERT_TRUE(doc) << c.input;
        EXPECT_EQ(doc->rootElement().firstElementForName("c").stringValue(), c.text);
        // What is written reads back the same.
        std::optional<Document> again = Document::parse(doc->xmlData());
        ASSERT_TRUE(again);
        EXPECT_EQ(again->rootElement().firstElementForName("c").stringValue(), c.text);
    }
}

TEST(XmlDocument, RefusesWhatCannotBeRead)
{
    const std::vector<std::string> inputs = {"", "plain text", "\x01\x02\x03"};
    for (const std::string& input : inputs) {
        std::string error;
        EXPECT_FALSE(Document::parse(input, &error)) << input;
        EXPECT_FALSE(error.empty());
    }
}

TEST(XmlDocument, RefusesEntityExpansionBombsAndExternalEntities)
{
    const std::string bomb =
        "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
        "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
        "]><l>&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;</l>";
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>";
    for (const std::string& input : {bomb, external}) {
        std::string error;
        EXPECT_FALSE(Document::parse(input, &error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(XmlDocument, CopiedElementIsIndependent)
{
    OwnedElement original("pagesAnnos");
    original->addChildElement("pageAnnos");
    OwnedElement root("flipbook");
    root->addChild(original->copy());
    original->addChildElement("pageAnnos");
    EXPECT_EQ(root->firstElementForName("pagesAnnos").childElements().size(), 1u);
    EXPECT_EQ(original->childElements().size(), 2u);
}

TEST(XmlDocument, WrittenDocumentsAreWellFormedWhateverTheText)
{
    const std::string dirty = "\x0B\x01" "Caf\xE9 \xEF\xBF\xBF<&>";
    OwnedElement root("ols");
    root->addAttribute("name", dirty);
    root->addChildElement("c", dirty);
    const std::string text = Document::withRootElement(std::move(root)).xmlData();
    EXPECT_TRUE(Document::isWellFormed(text)) << text;
    const std::optional<Document> read = Document::parse(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->rootElement().firstElementForName("c").stringValue(), "Caf\xEF\xBF\xBD <&>");
    EXPECT_EQ(read->rootElement().attributeForName("name"), "Caf\xEF\xBF\xBD <&>");
    EXPECT_FALSE(Document::isWellFormed("<r><a>1</a><b>unclosed</r>"));
    EXPECT_FALSE(Document::isWellFormed("<r>Caf\xE9</r>"));
}
