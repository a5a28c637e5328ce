#include "book/FlashOutlineItem.h"

#include "base/NumberText.h"
#include "base/PagewindException.h"

namespace pw {

FlashOutlineItem* FlashOutlineItem::addChild(std::unique_ptr<FlashOutlineItem> child)
{
    iChildItems.push_back(std::move(child));
    return iChildItems.back().get();
}

void FlashOutlineItem::removeChild(const FlashOutlineItem* child)
{
    std::erase_if(iChildItems, [child](const auto& item) { return item.get() == child; });
}

xml::OwnedElement FlashOutlineItem::outlineItemAsXMLNode() const
{
    xml::OwnedElement element("o");
    element->addChildElement("c", iCaption.value_or(std::string()));
    element->addChildElement("p", text::decimalText(iPageIndex));
    element->addChildElement("l", text::decimalText(iLevel));
    xml::Element children = element->addChildElement("ci");
    for (const auto& child : iChildItems)
        children.addChild(child->outlineItemAsXMLNode());
    return element;
}

void FlashOutlineItem::loadItemFromXMLNode(xml::Element element)
{
    if (element.name() != "o")
        throw PagewindException("ERROR_INIT_OUTLINE_ITEM", "Not a flash outline item");
    if (const xml::Element caption = element.firstElementForName("c"))
        iCaption = caption.stringValue();
    if (const xml::Element page = element.firstElementForName("p"))
        iPageIndex = text::intValue(page.stringValue());
    if (const xml::Element level = element.firstElementForName("l"))
        iLevel = text::intValue(level.stringValue());
    iChildItems.clear();
    for (const xml::Element& children : element.elementsForName("ci")) {
        for (const xml::Element& childElement : children.elementsForName("o")) {
            auto child = std::make_unique<FlashOutlineItem>();
            child->loadItemFromXMLNode(childElement);
            child->setParent(this);
            addChild(std::move(child));
        }
    }
}

} // namespace pw
