#include "book/BookEmbedCode.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "base/FileUtil.h"
#include "base/NumberText.h"
#include "base/TextEncoding.h"
#include "template/FlashTemplate.h"

namespace pw {

namespace {

constexpr double kWidest = 960;
// The stage keeps room around the book for a page that lifts as it turns; the toolbar comes on top.
constexpr double kStageRoom = 1.16;
constexpr double kToolbar = 60;

} // namespace

std::string BookEmbedCode::bookAddress(const FlashTemplate& flashTemplate)
{
    std::string address = flashTemplate.propertyValueFor("bookAddress", "");
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    address.erase(address.begin(), std::find_if_not(address.begin(), address.end(), blank));
    address.erase(std::find_if_not(address.rbegin(), address.rend(), blank).base(), address.end());
    if (!address.empty() && address.back() != '/')
        address += '/';
    return address;
}

std::string BookEmbedCode::encodedPath(const std::string& path)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        }
    }
    return out;
}

std::string BookEmbedCode::forPage(const std::string& src, const std::string& title, std::int32_t pageWidth,
                                   std::int32_t pageHeight)
{
    const bool sized = pageWidth > 0 && pageHeight > 0;
    const double spreadWidth = 2.0 * (sized ? pageWidth : 960);
    const double height = sized ? pageHeight : 600;
    const double scale = std::min(1.0, kWidest / spreadWidth);
    const std::string w = text::decimalText(std::lround(spreadWidth * scale));
    const std::string h = text::decimalText(std::lround(height * scale * kStageRoom + kToolbar));
    return "<iframe src=\"" + text::htmlEscaped(src) + "\" title=\"" + text::htmlEscaped(title) + "\" width=\"" + w +
           "\" height=\"" + h + "\" style=\"display:block;width:100%;max-width:" + w + "px;height:auto;aspect-ratio:" + w + "/" +
           h + ";min-height:400px;border:0\" allow=\"fullscreen\" allowfullscreen loading=\"lazy\"></iframe>";
}

std::string BookEmbedCode::forBook(const FlashTemplate& flashTemplate, const std::string& folder, const std::string& htmlName,
                                   const std::string& title)
{
    std::string address = bookAddress(flashTemplate);
    if (address.empty())
        address = encodedPath(file::lastPathComponent(file::withoutTrailingSlash(folder)));
    if (!address.empty() && address.back() != '/')
        address += '/';
    return forPage(address + encodedPath(htmlName), title, text::intValue(flashTemplate.propertyValueFor("pageWidth", "")),
                   text::intValue(flashTemplate.propertyValueFor("pageHeight", "")));
}

} // namespace pw
