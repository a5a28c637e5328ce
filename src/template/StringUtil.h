#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// True when the text, upper-cased, is exactly "YES", "SHOW", "ENABLE" or "TRUE".
// Nothing is trimmed; empty or absent text is false.
bool valueAsBool(std::string_view text);
bool valueAsBool(const std::optional<std::string>& text);
inline bool valueAsBool(const std::string& text) { return valueAsBool(std::string_view(text)); }
inline bool valueAsBool(const char* text) { return valueAsBool(std::string_view(text)); }

// The type code (FlashTemplatePropertyType) for a type name as written in template
// descriptions, matched exactly and case-sensitively; any other or absent text gives 0.
std::int32_t flashTemplatePropertyTypeFromString(std::string_view text);
std::int32_t flashTemplatePropertyTypeFromString(const std::optional<std::string>& text);
inline std::int32_t flashTemplatePropertyTypeFromString(const std::string& text)
{
    return flashTemplatePropertyTypeFromString(std::string_view(text));
}
inline std::int32_t flashTemplatePropertyTypeFromString(const char* text)
{
    return flashTemplatePropertyTypeFromString(std::string_view(text));
}

} // namespace pw
