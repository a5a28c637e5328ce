#pragma once

#include <cstdint>
#include <string>

namespace pw {

class FlashTemplate;

// The HTML that embeds a published book in another web page: an iframe with a title for screen
// readers, the shape of a spread with the toolbar, as wide as its column up to 960 pixels, and
// full screen allowed. Every text in it is escaped.
class BookEmbedCode {
public:
    // The snippet for the book page at src (already an address) with pages of that size; sizes
    // that are not positive count as 960 x 600.
    static std::string forPage(const std::string& src, const std::string& title, std::int32_t pageWidth,
                               std::int32_t pageHeight);
    // The snippet for a book of the template published into folder as htmlName: src is the
    // book's web address ("bookAddress") with the page, or else the folder's name with the page,
    // for a book folder put beside the page that embeds it.
    static std::string forBook(const FlashTemplate& flashTemplate, const std::string& folder, const std::string& htmlName,
                               const std::string& title);
    // The book's own web address as the template's "bookAddress" gives it, without surrounding
    // blanks and ending in "/"; empty when it is not set.
    static std::string bookAddress(const FlashTemplate& flashTemplate);
    // The path with every byte outside letters, digits, "-._~/" percent-encoded.
    static std::string encodedPath(const std::string& path);
};

} // namespace pw
