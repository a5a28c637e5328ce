#pragma once

#include "book/FlashOutlineItem.h"

namespace pw {

// A book's table of contents: the top-level entries, which the outline owns.
class FlashOutline {
public:
    FlashOutline() = default;
    FlashOutline(const FlashOutline&) = delete;
    FlashOutline& operator=(const FlashOutline&) = delete;
    virtual ~FlashOutline() = default;

    // A new "ols" element with one "o" per top-level entry; no children when empty.
    xml::OwnedElement outlineAsXMLNode() const;
    // Replaces all entries with the "o" children of an "ols" element (other children are
    // skipped); top-level parents are none. Throws PagewindException "ERROR_INIT_OUTLINES"
    // for any other element name, leaving the entries as they were.
    void loadFromXMLNode(xml::Element element);

    FlashOutlineItem::ItemList& items() { return iItems; }
    const FlashOutlineItem::ItemList& items() const { return iItems; }

private:
    FlashOutlineItem::ItemList iItems;
};

} // namespace pw
