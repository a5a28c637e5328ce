#pragma once

#include <map>
#include <optional>
#include <string>

namespace pw {

// Replaces placeholders "${key}" in a text with values set by key. A key without a value is
// replaced by nothing; an unclosed "${" takes the rest of the text as its key. Values are
// inserted unchanged and never scanned again.
class TextTemplate {
public:
    explicit TextTemplate(std::string fromStr) : fromStr_(std::move(fromStr)) {}

    // Sets or replaces the value of a key; an absent value removes it.
    void setItem(const std::string& key, std::optional<std::string> value);

    // The substituted text; the template and its values stay as they are.
    std::string parse() const;

private:
    std::string fromStr_;
    std::map<std::string, std::string, std::less<>> keyAndValues_;
};

} // namespace pw
