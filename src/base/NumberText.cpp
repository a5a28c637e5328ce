#include "base/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace pw::text {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::int32_t intValue(std::string_view text)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Stop growing once past the range; the clamp below gives the end value.
        if (value <= kMax + 1)
            value = value * 10 + (text[at] - '0');
    }
    if (negative)
        value = -value;
    if (value > kMax)
        return static_cast<std::int32_t>(kMax);
    if (value < kMin)
        return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

std::string decimalText(std::int64_t value)
{
    std::array<char, 24> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

std::string fixedText(double value, int digits)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // 309 integer digits at most, a sign, a point and the fraction.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, std::clamp(digits, 0, 60));
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

} // namespace pw::text
