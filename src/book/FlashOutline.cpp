#include "book/FlashOutline.h"

#include "base/PagewindException.h"

namespace pw {

xml::OwnedElement FlashOutline::outlineAsXMLNode() const
{
    xml::OwnedElement element("ols");
    for (const auto& item : iItems)
        element->addChild(item->outlineItemAsXMLNode());
    return element;
}

void FlashOutline::loadFromXMLNode(xml::Element element)
{
    if (element.name() != "ols")
        throw PagewindException("ERROR_INIT_OUTLINES", "Not a flash outline");
    FlashOutlineItem::ItemList items;
    for (const xml::Element& itemElement : element.elementsForName("o")) {
        auto item = std::make_unique<FlashOutlineItem>();
        item->loadItemFromXMLNode(itemElement);
        item->setParent(nullptr);
        items.push_back(std::move(item));
    }
    iItems = std::move(items);
}

} // namespace pw
