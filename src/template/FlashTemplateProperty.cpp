#include "template/FlashTemplateProperty.h"

#include "base/PagewindException.h"
#include "template/StringUtil.h"

namespace pw {
namespace {

std::string requiredText(const xml::Element& element, const char* name)
{
    const xml::Element child = element.firstElementForName(name);
    if (!child) {
        const xml::Element key = element.firstElementForName("key");
        const std::string which = key ? " \"" + key.stringValue() + "\"" : std::string();
        throw PagewindException("ERROR_TEMPLATE_PROPERTY",
                                "The property" + which + " has no <" + std::string(name) + "> element");
    }
    return child.stringValue();
}

} // namespace

void FlashTemplateProperty::loadFromNode(const xml::Element& element)
{
    if (!element || element.name() != "property")
        return;
    // Everything is read before anything is assigned, so a refused element leaves this
    // property as it was.
    std::string key = requiredText(element, "key");
    std::string title = requiredText(element, "title");
    std::string desc = requiredText(element, "desc");
    std::string value = requiredText(element, "value");
    std::string valueSource = requiredText(element, "valueSource");
    std::string defaultValue = requiredText(element, "defalutValue");
    const std::optional<std::string> typeName = element.attributeForName("type");
    const xml::Element aTitleElement = element.firstElementForName("aTitle");

    Children children;
    if (const xml::Element holder = element.firstElementForName("childProperties")) {
        for (const xml::Element& childElement : holder.elementsForName("property")) {
            auto child = std::make_unique<FlashTemplateProperty>();
            child->loadFromNode(childElement);
            children.push_back(std::move(child));
        }
    }

    parent_ = nullptr;
    key_ = std::move(key);
    title_ = std::move(title);
    desc_ = std::move(desc);
    value_ = std::move(value);
    valueSource_ = std::move(valueSource);
    defaultValue_ = std::move(defaultValue);
    aTitle_ = aTitleElement ? aTitleElement.stringValue() : std::string();
    propertyType_ = flashTemplatePropertyTypeFromString(typeName);
    if (element.attributeForName("aType"))
        propertyType_ = pt_bool;
    setChildProperties(std::move(children));
}

void FlashTemplateProperty::setChildProperties(Children children)
{
    childProperties_ = std::move(children);
    for (const std::unique_ptr<FlashTemplateProperty>& child : childProperties_)
        child->setParent(this);
}

FlashTemplateProperty* FlashTemplateProperty::addChildProperty(std::unique_ptr<FlashTemplateProperty> child)
{
    child->setParent(this);
    childProperties_.push_back(std::move(child));
    return childProperties_.back().get();
}

} // namespace pw
