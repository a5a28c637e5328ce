#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between UTF-8 and UTF-16 for the few files that are kept in UTF-16
// (the player trust file, HTML templates saved by some editors).
namespace pw::text {

// None when the input is not well-formed UTF-8 (overlong forms, surrogates, truncation).
std::optional<std::u16string> utf8ToUtf16(std::string_view utf8);
// The text with every byte that does not start a well-formed UTF-8 sequence replaced by
// U+FFFD, so damaged input can be kept without writing broken UTF-8 back out.
std::string replaceInvalidUtf8(std::string_view bytes);
// None when the input holds an unpaired surrogate.
std::optional<std::string> utf16ToUtf8(std::u16string_view utf16);

// True when the bytes start with a UTF-16 byte-order mark (FF FE or FE FF).
bool hasUtf16Bom(std::string_view bytes);
// Decodes bytes that start with a UTF-16 byte-order mark, in the order the mark gives.
// None without a mark or with an odd number of bytes; the mark itself is not returned.
std::optional<std::u16string> decodeUtf16WithBom(std::string_view bytes);
// The text as bytes: a byte-order mark, then the code units, both in this machine's byte order.
std::string encodeUtf16WithBom(std::u16string_view text);

} // namespace pw::text
