#include "base/TextEncoding.h"

#include <bit>
#include <cstdint>

namespace pw::text {
namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Reads one code point at position i and advances i; none for malformed input.
std::optional<char32_t> nextCodePoint(std::string_view utf8, size_t& i)
{
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t length = 0;
    char32_t point = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + length > utf8.size())
        return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        const unsigned char byte = static_cast<unsigned char>(utf8[i + k]);
        if (!isContinuation(byte))
            return std::nullopt;
        point = (point << 6) | (byte & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    i += length;
    return point;
}

void appendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

bool isXmlChar(char32_t point)
{
    if (point < 0x20)
        return point == '\t' || point == '\n' || point == '\r';
    return point != 0xFFFE && point != 0xFFFF;
}

// PDFDocEncoding agrees with Latin-1 except in these places (and 0x7F, 0x9F, 0xAD, which it
// leaves undefined).
char32_t pdfDocCharacter(unsigned char byte)
{
    static constexpr char32_t kAccents[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
    static constexpr char32_t kHigh[32] = {
        0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039, 0x203A, 0x2212,
        0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141,
        0x0152, 0x0160, 0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E, kReplacement};
    if (byte >= 0x18 && byte <= 0x1F)
        return kAccents[byte - 0x18];
    if (byte >= 0x80 && byte <= 0x9F)
        return kHigh[byte - 0x80];
    if (byte == 0xA0)
        return 0x20AC;
    if (byte == 0x7F || byte == 0xAD)
        return kReplacement;
    return byte;
}

// UTF-16 code units of either byte order; an unpaired surrogate becomes U+FFFD.
std::string utf16BytesToUtf8(std::string_view bytes, bool littleEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unitAt = [&](size_t i) -> char32_t {
        const auto first = static_cast<char32_t>(static_cast<unsigned char>(bytes[i]));
        const auto second = static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1]));
        return littleEndian ? (second << 8) | first : (first << 8) | second;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            appendUtf8(out, unit);
            continue;
        }
        const char32_t low = i + 3 < bytes.size() ? unitAt(i + 2) : 0;
        if (unit > 0xDBFF || low < 0xDC00 || low > 0xDFFF) {
            appendUtf8(out, kReplacement);
            continue;
        }
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, kReplacement);
    return out;
}

} // namespace

std::optional<std::u16string> utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> point = nextCodePoint(utf8, i);
        if (!point)
            return std::nullopt;
        if (*point < 0x10000) {
            out += static_cast<char16_t>(*point);
            continue;
        }
        const char32_t offset = *point - 0x10000;
        out += static_cast<char16_t>(0xD800 + (offset >> 10));
        out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
    return out;
}

std::string replaceInvalidUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t next = i;
        if (nextCodePoint(bytes, next)) {
            out.append(bytes.substr(i, next - i));
            i = next;
            continue;
        }
        out += "\xEF\xBF\xBD";
        ++i;
    }
    return out;
}

std::optional<std::string> utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit < 0xD800 || unit > 0xDFFF) {
            appendUtf8(out, unit);
            continue;
        }
        if (unit > 0xDBFF || i + 1 >= utf16.size() || utf16[i + 1] < 0xDC00 || utf16[i + 1] > 0xDFFF)
            return std::nullopt;
        const char32_t point = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00);
        appendUtf8(out, point);
        ++i;
    }
    return out;
}

bool hasUtf16Bom(std::string_view bytes)
{
    if (bytes.size() < 2)
        return false;
    const unsigned char first = static_cast<unsigned char>(bytes[0]);
    const unsigned char second = static_cast<unsigned char>(bytes[1]);
    return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

std::optional<std::u16string> decodeUtf16WithBom(std::string_view bytes)
{
    if (!hasUtf16Bom(bytes) || bytes.size() % 2 != 0)
        return std::nullopt;
    const bool little = static_cast<unsigned char>(bytes[0]) == 0xFF;
    std::u16string out;
    out.reserve(bytes.size() / 2 - 1);
    for (size_t i = 2; i < bytes.size(); i += 2) {
        const auto first = static_cast<uint16_t>(static_cast<unsigned char>(bytes[i]));
        const auto second = static_cast<uint16_t>(static_cast<unsigned char>(bytes[i + 1]));
        out += static_cast<char16_t>(little ? (second << 8) | first : (first << 8) | second);
    }
    return out;
}

std::string encodeUtf16WithBom(std::u16string_view text)
{
    std::string out;
    out.reserve(2 * text.size() + 2);
    auto put = [&out](char16_t unit) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        out += kLittleEndian ? low : high;
        out += kLittleEndian ? high : low;
    };
    put(u'\uFEFF');
    for (char16_t unit : text)
        put(unit);
    return out;
}

std::string xmlSafeText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        // Plain printable ASCII, the common case, is copied as it is.
        if (byte >= 0x20 && byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        size_t next = i;
        const std::optional<char32_t> point = nextCodePoint(bytes, next);
        if (!point) {
            appendUtf8(out, kReplacement);
            ++i;
            continue;
        }
        if (isXmlChar(*point))
            out.append(bytes.substr(i, next - i));
        i = next;
    }
    return out;
}

namespace {

// Characters that XML allows but HTML counts as parse errors: DEL, the C1 controls and the
// noncharacters U+FDD0..U+FDEF. Returns the length of the sequence at i to drop, or 0.
std::size_t htmlForbiddenAt(const std::string& text, std::size_t i)
{
    const auto byte = [&text](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0U; };
    if (byte(i) == 0x7F)
        return 1;
    if (byte(i) == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F)
        return 2;
    if (byte(i) == 0xEF && byte(i + 1) == 0xB7 && byte(i + 2) >= 0x90 && byte(i + 2) <= 0xAF)
        return 3;
    return 0;
}

} // namespace

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    const std::string clean = xmlSafeText(text);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (const std::size_t skip = htmlForbiddenAt(clean, i)) {
            i += skip - 1;
            continue;
        }
        const char c = clean[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string jsonQuoted(std::string_view text)
{
    const std::string clean = xmlSafeText(text);
    std::string out = "\"";
    out.reserve(clean.size() + 2);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (clean.compare(i, 3, "\xE2\x80\xA8") == 0 || clean.compare(i, 3, "\xE2\x80\xA9") == 0) {
            out += clean[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";  // line ends inside older scripts
            i += 2;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool isValidUtf8(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        if (!nextCodePoint(bytes, i))
            return false;
    }
    return true;
}

std::string pdfTextToUtf8(std::string_view bytes)
{
    if (bytes.size() >= 2 && hasUtf16Bom(bytes))
        return utf16BytesToUtf8(bytes.substr(2), static_cast<unsigned char>(bytes[0]) == 0xFF);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return replaceInvalidUtf8(bytes.substr(3));
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, pdfDocCharacter(static_cast<unsigned char>(byte)));
    return out;
}

std::string pdfBytesToUtf8(std::string_view bytes)
{
    if (!hasUtf16Bom(bytes) && bytes.substr(0, 3) != "\xEF\xBB\xBF" && isValidUtf8(bytes))
        return std::string(bytes);
    return pdfTextToUtf8(bytes);
}

} // namespace pw::text
