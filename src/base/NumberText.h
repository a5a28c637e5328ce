#pragma once

#include <cstdint>
#include <string_view>

namespace pw::text {

// Reads a number by the prefix rule: leading white space is skipped, then an optional sign and
// the decimal digits up to the first other character. No digits reads as 0 ("", "x", " -");
// values beyond the 32-bit range are clamped to its ends instead of wrapping.
std::int32_t intValue(std::string_view text);

} // namespace pw::text
