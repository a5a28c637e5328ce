#include <gtest/gtest.h>

#include <functional>

#include "base/PagewindException.h"
#include "book/FlashOutline.h"

using pw::FlashOutline;
using pw::FlashOutlineItem;
using pw::PagewindException;
using pw::xml::Document;

namespace {

FlashOutlineItem* addItem(FlashOutlineItem::ItemList& list, FlashOutlineItem* parent, const std::string& caption,
                          int page, int level)
{
    auto item = std::make_unique<FlashOutlineItem>();
    item->setCaption(caption);
    item->setPageIndex(page);
    item->setLevel(level);
    item->setParent(parent);
    list.push_back(std::move(item));
    return list.back().get();
}

// Reads back the outline written as text, so the test covers what the book file really holds.
std::unique_ptr<FlashOutline> roundTrip(const FlashOutline& outline)
{
    const std::string text = Document::withRootElement(outline.outlineAsXMLNode()).xmlData();
    auto read = std::make_unique<FlashOutline>();
    read->loadFromXMLNode(Document::parse(text).value().rootElement());
    return read;
}

void expectSameTree(const FlashOutlineItem::ItemList& a, const FlashOutlineItem::ItemList& b,
                    const FlashOutlineItem* parentOfB)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i]->caption(), b[i]->caption());
        EXPECT_EQ(a[i]->pageIndex(), b[i]->pageIndex());
        EXPECT_EQ(a[i]->level(), b[i]->level());
        EXPECT_EQ(b[i]->parent(), parentOfB);
        expectSameTree(a[i]->childItems(), b[i]->childItems(), b[i].get());
    }
}

std::string expectThrows(const std::function<void()>& run)
{
    try {
        run();
    } catch (const PagewindException& e) {
        return e.name() + "|" + e.reason();
    }
    return "no exception";
}

} // namespace

TEST(Outline, WriteThenReadGivesTheSameTreeEmptyOrNot)
{
    FlashOutline outline;
    FlashOutlineItem* first = addItem(outline.items(), nullptr, "Tom & Jerry <1>", 1, 1);
    FlashOutlineItem* inner = addItem(first->childItems(), first, "Part \"a\"", 2, 2);
    addItem(inner->childItems(), inner, "Deep", 3, 3);
    addItem(first->childItems(), first, "", 4, 2);
    addItem(outline.items(), nullptr, "Second", 12, 1);

    const auto read = roundTrip(outline);
    expectSameTree(outline.items(), read->items(), nullptr);
    EXPECT_EQ(read->items()[0]->caption(), "Tom & Jerry <1>");
    // An entry read again gets the children it reads, not those and its old ones.
    read->items()[0]->loadItemFromXMLNode(first->outlineItemAsXMLNode().get());
    expectSameTree(outline.items(), read->items(), nullptr);

    // An empty outline, and an entry without caption or children.
    const FlashOutline empty;
    const pw::xml::OwnedElement element = empty.outlineAsXMLNode();
    EXPECT_EQ(element->name(), "ols");
    EXPECT_TRUE(element->childElements().empty());
    EXPECT_TRUE(roundTrip(empty)->items().empty());

    FlashOutlineItem item;  // no caption at all: written as an empty "c"
    const pw::xml::OwnedElement o = item.outlineItemAsXMLNode();
    std::vector<std::string> names;
    for (const auto& child : o->childElements())
        names.push_back(child.name());
    EXPECT_EQ(names, (std::vector<std::string>{"c", "p", "l", "ci"}));
    EXPECT_EQ(o->firstElementForName("c").stringValue(), "");
    EXPECT_EQ(o->firstElementForName("p").stringValue(), "0");
    EXPECT_TRUE(o->firstElementForName("ci").childElements().empty());
}

TEST(Outline, ReadsOnlyWhatTheFormatNames)
{
    struct Case {
        const char* xml;
        const char* caption;  // of the first entry
        int page;
        int level;
        size_t children;
    };
    const std::vector<Case> cases = {
        {"<ols><o><c>A</c><l>1</l><ci/></o></ols>", "A", 0, 1, 0},
        {"<ols><o><c>A</c><p>12abc</p><l> 2</l><ci/></o></ols>", "A", 12, 2, 0},
        {"<ols><o><c>first</c><c>second</c><p>1</p><ci/></o></ols>", "first", 1, 0, 0},
        {"<ols><x/><o><c>A</c><ci><o><c>B</c></o><z/></ci></o><o/></ols>", "A", 0, 0, 1},
        {"<ols><o><c>A</c><o><c>nested</c></o><ci/></o></ols>", "A", 0, 0, 0},
        {"<ols><o><c>A</c><ci><o/></ci><ci><o/></ci></o></ols>", "A", 0, 0, 2},
    };
    for (const Case& c : cases) {
        FlashOutline outline;
        outline.loadFromXMLNode(Document::parse(c.xml).value().rootElement());
        ASSERT_FALSE(outline.items().empty()) << c.xml;
        const FlashOutlineItem& first = *outline.items()[0];
        EXPECT_EQ(first.caption(), c.caption) << c.xml;
        EXPECT_EQ(first.pageIndex(), c.page) << c.xml;
        EXPECT_EQ(first.level(), c.level) << c.xml;
        EXPECT_EQ(first.childItems().size(), c.children) << c.xml;
    }
}

TEST(Outline, WrongElementsRaiseTheirFixedErrorsAndChangeNothing)
{
    FlashOutline outline;
    addItem(outline.items(), nullptr, "kept", 3, 1);
    const Document notOutline = Document::parse("<outline><o><c>x</c></o></outline>").value();
    EXPECT_EQ(expectThrows([&] { outline.loadFromXMLNode(notOutline.rootElement()); }),
              "ERROR_INIT_OUTLINES|Not a flash outline");
    ASSERT_EQ(outline.items().size(), 1u);
    EXPECT_EQ(outline.items()[0]->caption(), "kept");

    FlashOutlineItem item;
    item.setCaption("kept");
    const Document ols = Document::parse("<ols><o><c>x</c></o></ols>").value();
    EXPECT_EQ(expectThrows([&] { item.loadItemFromXMLNode(ols.rootElement()); }),
              "ERROR_INIT_OUTLINE_ITEM|Not a flash outline item");
    EXPECT_EQ(item.caption(), "kept");
}
