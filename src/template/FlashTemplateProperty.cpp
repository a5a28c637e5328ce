#include "template/FlashTemplateProperty.h"

#include "base/PagewindException.h"
#include "template/StringUtil.h"

namespace pw {
namespace {

// The first child of that name without a language: the property's own text.
xml::Element ownElement(const xml::Element& element, const char* name)
{
    for (const xml::Element& child : element.elementsForName(name)) {
        if (!child.attributeForName("lang"))
            return child;
    }
    return {};
}

std::string requiredText(const xml::Element& element, const char* name)
{
    const xml::Element child = ownElement(element, name);
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
    const xml::Element aTitleElement = ownElement(element, "aTitle");
    Translations translations;
    for (const xml::Element& child : element.childElements()) {
        const std::optional<std::string> language = child.attributeForName("lang");
        if (!language || language->empty())
            continue;
        const std::string name = child.name();
        if (name == "title")
            translations[*language].title = child.stringValue();
        else if (name == "aTitle")
            translations[*language].aTitle = child.stringValue();
        else if (name == "desc")
            translations[*language].desc = child.stringValue();
        else if (name == "valueSource")
            translations[*language].choices = child.stringValue();
    }
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
    translations_ = std::move(translations);
    propertyType_ = flashTemplatePropertyTypeFromString(typeName);
    if (element.attributeForName("aType"))
        propertyType_ = pt_bool;
    setChildProperties(std::move(children));
}

const std::string& FlashTemplateProperty::titleIn(std::string_view language) const
{
    const auto found = translations_.find(language);
    return found != translations_.end() && !found->second.title.empty() ? found->second.title : title_;
}

const std::string& FlashTemplateProperty::aTitleIn(std::string_view language) const
{
    const auto found = translations_.find(language);
    return found != translations_.end() && !found->second.aTitle.empty() ? found->second.aTitle : aTitle_;
}

const std::string& FlashTemplateProperty::descIn(std::string_view language) const
{
    const auto found = translations_.find(language);
    return found != translations_.end() && !found->second.desc.empty() ? found->second.desc : desc_;
}

const std::string& FlashTemplateProperty::choicesIn(std::string_view language) const
{
    const auto found = translations_.find(language);
    return found != translations_.end() && !found->second.choices.empty() ? found->second.choices : valueSource_;
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
