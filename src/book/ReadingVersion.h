#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "book/FlashPagesText.h"

namespace pw {

class FlashOutline;

// The plain reading version of a book (docs/text-html.md): one HTML page with the title, the
// description, the outline as links, then each page as its picture (loaded lazily, with its
// alternative text) followed by its words, and links back to the book. Search engines and
// readers without scripts read it; every text in it is escaped.
class ReadingVersion {
public:
    static constexpr const char* kGenerator = "Pagewind";

    // The words of the page in one of the languages of "languageSetting" (others: English).
    struct Words {
        const char* lang;         // the html element's lang
        const char* contents;     // the outline's heading
        const char* page;         // "Page {n}"
        const char* openBook;     // the link back to the book
        const char* needsScript;  // the book's page to readers without scripts
        const char* readPlain;    // its link to this page
    };
    static const Words& wordsFor(std::string_view language);

    struct Page {
        std::string pictureUrl;            // book-relative
        std::int32_t fileNumber = 0;       // the number outline entries name the page by
        const PageText* text = nullptr;    // none for a page without words
    };
    struct Book {
        std::string title;
        std::string description;
        std::string language;              // a "languageSetting" value
        std::int32_t pageWidth = 0;        // the pictures' shape, for their place before they load
        std::int32_t pageHeight = 0;
        std::string bookPage;              // the book's HTML page, the links back go there
        std::vector<Page> pages;           // in book order
        const FlashOutline* outline = nullptr;
    };

    // The file name of the reading version beside the book's HTML page: "text.html", or
    // "text-plain.html" when the book's page is itself called text.html.
    static std::string fileNameFor(std::string_view bookPage);
    static std::string html(const Book& book);
    // The words of a page as paragraphs: words joined by spaces, a line that ends in a split word
    // joined to the next without its hyphen, a new paragraph where the gap between two lines is
    // wider than a line.
    static std::vector<std::string> paragraphs(const PageText& text);
    // True when the file at path is a reading version this writer made (it names the generator).
    static bool isOurs(const std::string& path);
};

} // namespace pw
