#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the stored files write and read them: decimal, with a point, the same in every
// locale. Everything that puts a number into a file goes through here, never through printf,
// whose "%f" writes "0,100000" once the desktop application runs in a German locale.
namespace pw::text {

// Reads a number by the prefix rule: leading white space is skipped, then an optional sign and
// the decimal digits up to the first other character. No digits reads as 0 ("", "x", " -");
// values beyond the 32-bit range are clamped to its ends instead of wrapping.
std::int32_t intValue(std::string_view text);

// The integer in decimal digits, "-" before negative ones: 42, -7.
std::string decimalText(std::int64_t value);
// The value with a point and exactly `digits` digits after it, rounded as printf's "%.*f"
// would in the "C" locale: fixedText(0.1) is "0.100000". Infinite and undefined values are
// written "inf", "-inf" and "nan" as "%f" writes them.
std::string fixedText(double value, int digits = 6);

} // namespace pw::text
