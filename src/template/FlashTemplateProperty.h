#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/XmlDocument.h"

namespace pw {

// Type codes of template properties; each member is named as the type is written in descriptions.
// Codes 6 to 9 are kept as read but are treated as free text everywhere.
enum FlashTemplatePropertyType : std::int32_t {
    pt_text = 0,
    pt_number = 1,
    pt_color = 2,
    pt_list = 3,
    pt_composite = 4,
    pt_file = 5,
    pt_list_fromFunction = 6,
    pt_form_security = 7,
    pt_font = 8,
    pt_form_contactabout = 9,
    pt_bool = 10,
};

// One typed node of a template's property tree. Values are always text; a value may be
// absent, which is not the same as empty. A property owns its children; the parent link is a
// plain back reference. Not copyable or movable, so children's parent links stay valid.
class FlashTemplateProperty {
public:
    using Children = std::vector<std::unique_ptr<FlashTemplateProperty>>;
    // What the interface shows of the property in one language.
    struct ShownTexts {
        std::string title;
        std::string aTitle;
        std::string desc;
        std::string choices;  // a list's choices as shown, in the order of valueSource
    };
    // By language code ("de", "fr", "es", "zh_CN").
    using Translations = std::map<std::string, ShownTexts, std::less<>>;

    // Type 0, title "Empty", every other text empty, no value, no parent, no children.
    FlashTemplateProperty() = default;
    FlashTemplateProperty(const FlashTemplateProperty&) = delete;
    FlashTemplateProperty& operator=(const FlashTemplateProperty&) = delete;

    // Fills this property and its subtree from a "property" element. A null element or one of
    // another name changes nothing. Throws PagewindException("ERROR_TEMPLATE_PROPERTY", ...)
    // naming the missing element when one of "key", "title", "desc", "value", "valueSource",
    // "defalutValue" is missing here or in any descendant; this property is then unchanged.
    // Elements "title", "aTitle", "desc" and "valueSource" with an attribute "lang" are the texts
    // in that language (for a list, its choices as shown); the ones without it are the
    // property's own, wherever they stand.
    void loadFromNode(const xml::Element& element);

    std::size_t childCount() const { return childProperties_.size(); }

    FlashTemplateProperty* parent() const { return parent_; }
    void setParent(FlashTemplateProperty* parent) { parent_ = parent; }
    std::int32_t propertyType() const { return propertyType_; }
    void setPropertyType(std::int32_t type) { propertyType_ = type; }
    const std::string& key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& aTitle() const { return aTitle_; }
    void setATitle(std::string aTitle) { aTitle_ = std::move(aTitle); }
    const std::string& desc() const { return desc_; }
    void setDesc(std::string desc) { desc_ = std::move(desc); }
    const Translations& translations() const { return translations_; }
    void setTranslations(Translations translations) { translations_ = std::move(translations); }
    // The title, switch title or description in the language, where the template gives it in
    // that language; else the property's own.
    const std::string& titleIn(std::string_view language) const;
    const std::string& aTitleIn(std::string_view language) const;
    const std::string& descIn(std::string_view language) const;
    // A list's choices as shown in the language, separated by "," as in valueSource; the
    // valueSource itself when the template gives none there.
    const std::string& choicesIn(std::string_view language) const;
    const std::optional<std::string>& value() const { return value_; }
    // No side effects: change notification is the editor's business.
    void setValue(std::optional<std::string> value) { value_ = std::move(value); }
    const std::string& valueSource() const { return valueSource_; }
    void setValueSource(std::string valueSource) { valueSource_ = std::move(valueSource); }
    const std::string& defaultValue() const { return defaultValue_; }
    void setDefaultValue(std::string defaultValue) { defaultValue_ = std::move(defaultValue); }
    const Children& childProperties() const { return childProperties_; }
    // Takes the children over and makes this property their parent.
    void setChildProperties(Children children);
    // Appends one child, makes this property its parent and returns it.
    FlashTemplateProperty* addChildProperty(std::unique_ptr<FlashTemplateProperty> child);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

private:
    FlashTemplateProperty* parent_ = nullptr;
    std::int32_t propertyType_ = pt_text;
    std::string key_;
    std::string title_ = "Empty";
    std::string aTitle_;
    std::string desc_;
    Translations translations_;
    std::optional<std::string> value_;
    std::string valueSource_;
    std::string defaultValue_;
    Children childProperties_;
    bool readOnly_ = false;
};

} // namespace pw
