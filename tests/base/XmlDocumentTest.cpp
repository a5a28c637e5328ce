#include <gtest/gtest.h>

#include "base/XmlDocument.h"

using pw::xml::Document;
using pw::xml::OwnedElement;

// Whatever text goes in (controls, Latin-1, U+FFFF, markup, quotes), the document written is
// well-formed and reads back as that text made XML-safe, attributes in their order.
TEST(XmlDocument, WrittenDocumentsAreWellFormedAndReadBack)
{
    const std::string dirty = "\x0B\x01" "Caf\xE9 \xEF\xBF\xBF<&> \"quoted\"";
    const std::string clean = "Caf\xEF\xBF\xBD <&> \"quoted\"";
    OwnedElement root("flipbook");
    root->addAttribute("count", "3");
    root->addAttribute("name", dirty);
    root->addChildElement("c", dirty);
    const std::string text = Document::withRootElement(std::move(root)).xmlData();

    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("count=\"3\" name="), std::string::npos) << text;
    EXPECT_TRUE(Document::isWellFormed(text)) << text;
    std::string error;
    const std::optional<Document> read = Document::parse(text, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->rootElement().firstElementForName("c").stringValue(), clean);
    EXPECT_EQ(read->rootElement().attributeForName("name"), clean);
    EXPECT_FALSE(read->rootElement().attributeForName("missing"));
    EXPECT_FALSE(Document::isWellFormed("<r><a>1</a><b>unclosed</r>"));
    EXPECT_FALSE(Document::isWellFormed("<r>Caf\xE9</r>"));
}

// What parsing keeps (white space, CDATA), repairs (an unclosed element, bytes that are not
// UTF-8) and refuses with a reason (no document, entity bombs, external entities).
TEST(XmlDocument, ParseKeepsRepairsOrRefuses)
{
    const std::string bomb =
        "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
        "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
        "]><l>&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;</l>";
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>";
    const struct {
        std::string input;
        std::optional<std::string> text;  // of the first "c"; none: refused
    } cases[] = {
        {"<r><c> 12 </c></r>", " 12 "},
        {"<r><c><![CDATA[a<b]]>c</c></r>", "a<bc"},
        {"<r><c>1</c><b>unclosed</r>", "1"},
        {"<r><c>Intro\xb4</c></r>", "Intro\xEF\xBF\xBD"},  // a stray Latin-1 byte
        {"<r><c>caf\xc3</c></r>", "caf\xEF\xBF\xBD"},      // a sequence cut short
        {"<r><c>\xc3\xa9t\xc3\xa9</c></r>", "\xc3\xa9t\xc3\xa9"},
        {"", std::nullopt}, {"plain text", std::nullopt}, {"\x01\x02\x03", std::nullopt},
        {bomb, std::nullopt}, {external, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        std::string error;
        const std::optional<Document> doc = Document::parse(c.input, &error);
        ASSERT_EQ(doc.has_value(), c.text.has_value());
        if (!doc) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(doc->rootElement().firstElementForName("c").stringValue(), *c.text);
        // What is written reads back the same.
        const std::optional<Document> again = Document::parse(doc->xmlData());
        ASSERT_TRUE(again);
        EXPECT_EQ(again->rootElement().firstElementForName("c").stringValue(), *c.text);
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
