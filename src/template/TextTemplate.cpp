#include "template/TextTemplate.h"

#include <string_view>

namespace pw {

void TextTemplate::setItem(const std::string& key, std::optional<std::string> value)
{
    if (value)
        keyAndValues_[key] = std::move(*value);
    else
        keyAndValues_.erase(key);
}

std::string TextTemplate::parse() const
{
    const std::string_view text(fromStr_);
    std::string result;
    result.reserve(text.size());
    size_t position = 0;
    while (position < text.size()) {
        const size_t open = text.find("${", position);
        if (open == std::string_view::npos) {
            result.append(text.substr(position));
            break;
        }
        result.append(text.substr(position, open - position));
        const size_t keyStart = open + 2;
        const size_t close = text.find('}', keyStart);
        const std::string_view key =
            text.substr(keyStart, close == std::string_view::npos ? std::string_view::npos : close - keyStart);
        if (const auto found = keyAndValues_.find(key); found != keyAndValues_.end())
            result.append(found->second);
        position = close == std::string_view::npos ? text.size() : close + 1;
    }
    return result;
}

} // namespace pw
