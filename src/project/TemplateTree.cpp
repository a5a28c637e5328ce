#include "project/TemplateTree.h"

#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

namespace pw::templatetree {

namespace {

const FlashTemplateProperty::Children& siblingsOf(const FlashTemplate& flashTemplate,
                                                  const FlashTemplateProperty& property)
{
    return property.parent() ? property.parent()->childProperties() : flashTemplate.properties();
}

void visitTree(const FlashTemplateProperty::Children& children, const std::function<void(FlashTemplateProperty&)>& visit)
{
    for (const auto& child : children) {
        if (!child)
            continue;
        visit(*child);
        visitTree(child->childProperties(), visit);
    }
}

std::unique_ptr<FlashTemplateProperty> copyProperty(const FlashTemplateProperty& original)
{
    auto copy = std::make_unique<FlashTemplateProperty>();
    copy->setPropertyType(original.propertyType());
    copy->setKey(original.key());
    copy->setTitle(original.title());
    copy->setATitle(original.aTitle());
    copy->setDesc(original.desc());
    copy->setTranslations(original.translations());
    copy->setValue(original.value());
    copy->setValueSource(original.valueSource());
    copy->setDefaultValue(original.defaultValue());
    copy->setReadOnly(original.readOnly());
    for (const auto& child : original.childProperties()) {
        if (child)
            copy->addChildProperty(copyProperty(*child));
    }
    return copy;
}

} // namespace

Path pathOf(const FlashTemplate& flashTemplate, const FlashTemplateProperty& property)
{
    Path reversed;
    for (const FlashTemplateProperty* at = &property; at; at = at->parent()) {
        const auto& siblings = siblingsOf(flashTemplate, *at);
        std::size_t position = 0;
        while (position < siblings.size() && siblings[position].get() != at)
            ++position;
        if (position == siblings.size())
            return {};
        reversed.push_back(position);
    }
    return Path(reversed.rbegin(), reversed.rend());
}

FlashTemplateProperty* propertyAt(const FlashTemplate& flashTemplate, const Path& path)
{
    const FlashTemplateProperty::Children* children = &flashTemplate.properties();
    FlashTemplateProperty* found = nullptr;
    for (const std::size_t position : path) {
        if (position >= children->size() || !(*children)[position])
            return nullptr;
        found = (*children)[position].get();
        children = &found->childProperties();
    }
    return found;
}

void forEachProperty(const FlashTemplate& flashTemplate, const std::function<void(FlashTemplateProperty&)>& visit)
{
    visitTree(flashTemplate.properties(), visit);
}

std::shared_ptr<FlashTemplate> copyOf(const FlashTemplate& flashTemplate)
{
    auto copy = std::make_shared<FlashTemplate>();
    copy->setTmplName(flashTemplate.tmplName());
    copy->setTmplVersion(flashTemplate.tmplVersion());
    copy->setTmplFilePath(flashTemplate.tmplFilePath());
    copy->setSWFFilePath(flashTemplate.SWFFilePath());
    copy->setHTMLFilePath(flashTemplate.HTMLFilePath());
    copy->setNeedThumbs(flashTemplate.needThumbs());
    copy->setMobileTmplFilesPath(flashTemplate.mobileTmplFilesPath());
    copy->setMacAppFilesFolder(flashTemplate.macAppFilesFolder());
    copy->setDefaultSytleName(flashTemplate.defaultSytleName());
    copy->setStyleName(flashTemplate.styleName());
    copy->setTemplateBookTitle(flashTemplate.templateBookTitle());
    FlashTemplate::Properties properties;
    for (const auto& property : flashTemplate.properties()) {
        if (property)
            properties.push_back(copyProperty(*property));
    }
    copy->setProperties(std::move(properties));
    return copy;
}

} // namespace pw::templatetree
