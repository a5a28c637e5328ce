#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between UTF-8, UTF-16 and the PDF text encodings, and the cleaning that text
// needs before it may go into an XML document.
namespace pw::text {

// None when the input is not well-formed UTF-8 (overlong forms, surrogates, truncation).
std::optional<std::u16string> utf8ToUtf16(std::string_view utf8);
// The text with every byte that does not start a well-formed UTF-8 sequence replaced by
// U+FFFD, so damaged input can be kept without writing broken UTF-8 back out.
std::string replaceInvalidUtf8(std::string_view bytes);
// The text as XML 1.0 allows it in content and attribute values: bytes that are not
// well-formed UTF-8 become U+FFFD, and the characters XML forbids (the C0 controls other than
// tab, line feed and carriage return; U+FFFE and U+FFFF) are dropped.
std::string xmlSafeText(std::string_view bytes);
// The text for HTML content or a quoted attribute value: "&", "<", ">" and '"' escaped, and
// cleaned as xmlSafeText cleans it, less what HTML forbids besides (DEL, the C1 controls and
// U+FDD0..U+FDEF).
std::string htmlEscaped(std::string_view text);
// The text as a JSON string literal, quotes included: cleaned as xmlSafeText cleans it, then
// '"', '\\', the remaining controls and U+2028/U+2029 escaped, so it is also a JavaScript one.
std::string jsonQuoted(std::string_view text);
// True when the bytes are well-formed UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);

// A PDF text string as UTF-8: UTF-16 after a big- or little-endian byte-order mark, UTF-8
// after its byte-order mark (which is dropped), anything else read as PDFDocEncoding.
std::string pdfTextToUtf8(std::string_view bytes);
// A PDF byte string meant as text (link addresses): kept when it is already UTF-8, as most
// writers store it, otherwise decoded like a text string.
std::string pdfBytesToUtf8(std::string_view bytes);

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
