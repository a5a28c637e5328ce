#include "template/StringUtil.h"

#include <array>
#include <utility>

#include "template/FlashTemplateProperty.h"

namespace pw {

bool valueAsBool(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper == "YES" || upper == "SHOW" || upper == "ENABLE" || upper == "TRUE";
}

bool valueAsBool(const std::optional<std::string>& text) { return text && valueAsBool(*text); }

std::int32_t flashTemplatePropertyTypeFromString(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, FlashTemplatePropertyType>, 11> kTypes = {{
        {"pt_text", pt_text},
        {"pt_number", pt_number},
        {"pt_color", pt_color},
        {"pt_list", pt_list},
        {"pt_composite", pt_composite},
        {"pt_file", pt_file},
        {"pt_list_fromFunction", pt_list_fromFunction},
        {"pt_form_security", pt_form_security},
        {"pt_font", pt_font},
        {"pt_form_contactabout", pt_form_contactabout},
        {"pt_bool", pt_bool},
    }};
    for (const auto& [name, code] : kTypes) {
        if (name == text)
            return code;
    }
    return pt_text;
}

std::int32_t flashTemplatePropertyTypeFromString(const std::optional<std::string>& text)
{
    return text ? flashTemplatePropertyTypeFromString(std::string_view(*text)) : pt_text;
}

} // namespace pw
