#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/XmlDocument.h"

namespace pw {

// One entry of a book's table of contents: a caption, the page it opens (from 1), its depth
// and its children. An entry owns its children; parent is a plain back reference.
class FlashOutlineItem {
public:
    using ItemList = std::vector<std::unique_ptr<FlashOutlineItem>>;

    FlashOutlineItem() = default;
    FlashOutlineItem(const FlashOutlineItem&) = delete;
    FlashOutlineItem& operator=(const FlashOutlineItem&) = delete;

    // Appends the child; does not set its parent (callers do).
    FlashOutlineItem* addChild(std::unique_ptr<FlashOutlineItem> child);
    // Removes that very entry from the children, if it is one of them.
    void removeChild(const FlashOutlineItem* child);

    // A new "o" element: "c" caption (empty when there is none), "p" page, "l" level, then
    // "ci" with one "o" per child, present and empty without children.
    xml::OwnedElement outlineItemAsXMLNode() const;
    // Reads this entry and its subtree from an "o" element. Caption, page and level come from
    // the first "c", "p", "l" children and stay unchanged when those are missing; children are
    // the "o" elements inside "ci". Throws PagewindException "ERROR_INIT_OUTLINE_ITEM" for any
    // other element name, before anything changes.
    void loadItemFromXMLNode(xml::Element element);

    const std::optional<std::string>& caption() const { return iCaption; }
    void setCaption(std::optional<std::string> caption) { iCaption = std::move(caption); }
    std::int32_t pageIndex() const { return iPageIndex; }
    void setPageIndex(std::int32_t pageIndex) { iPageIndex = pageIndex; }
    FlashOutlineItem* parent() const { return iParent; }
    void setParent(FlashOutlineItem* parent) { iParent = parent; }
    ItemList& childItems() { return iChildItems; }
    const ItemList& childItems() const { return iChildItems; }
    std::int32_t level() const { return iLevel; }
    void setLevel(std::int32_t level) { iLevel = level; }

private:
    std::optional<std::string> iCaption;
    std::int32_t iPageIndex = 0;
    FlashOutlineItem* iParent = nullptr;
    ItemList iChildItems;
    std::int32_t iLevel = 0;
};

} // namespace pw
