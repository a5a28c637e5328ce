#pragma once

#include <string>
#include <vector>

namespace pw {

// A word as the page picture shows it: its text and its box in fractions of the picture's
// width and height, from the top left.
struct TextWord {
    std::string text;
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// A line of words in reading order. hyphenated: the last word ends with a hyphen that splits
// it with the first word of the next line (joined for search, kept as shown).
struct TextLine {
    std::vector<TextWord> words;
    bool hyphenated = false;
};

struct PageText {
    std::vector<TextLine> lines;
    bool empty() const { return lines.empty(); }
};

// The text of a book's pages, the n-th entry for the book's n-th page, for the reader's search
// and text layer. Pages of pictures alone have empty entries.
class FlashPagesText {
public:
    explicit FlashPagesText(std::vector<PageText> pages) : iPages(std::move(pages)) {}

    const std::vector<PageText>& pages() const { return iPages; }
    // True when at least one page has a word.
    bool hasText() const;

private:
    std::vector<PageText> iPages;
};

} // namespace pw
