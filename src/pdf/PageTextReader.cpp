#include "pdf/PageTextReader.h"

#include <string_view>

namespace pw::pdf {

namespace {

bool isSpace(int c)
{
    return c == ' ' || c == '\t' || c == 0xA0 || c == 0x2009 || c == 0x3000;
}

// A hyphen at a line's end after a letter or digit splits a word across the lines.
bool endsInHyphen(const std::string& word)
{
    constexpr std::string_view kHyphens[] = {"-", "\xC2\xAD", "\xE2\x80\x90"};
    for (const std::string_view hyphen : kHyphens) {
        if (word.size() > hyphen.size() && word.compare(word.size() - hyphen.size(), hyphen.size(), hyphen) == 0)
            return true;
    }
    return false;
}

class LineBuilder {
public:
    explicit LineBuilder(const fz_rect& page) : iPage(page) {}

    void add(const fz_stext_char& ch)
    {
        if (isSpace(ch.c)) {
            flush();
            return;
        }
        const fz_rect box = fz_rect_from_quad(ch.quad);
        iBox = iText.empty() ? box : fz_union_rect(iBox, box);
        char bytes[8];
        iText.append(bytes, static_cast<std::size_t>(fz_runetochar(bytes, ch.c)));
    }

    void flush()
    {
        if (iText.empty())
            return;
        const float width = iPage.x1 - iPage.x0;
        const float height = iPage.y1 - iPage.y0;
        iLine.words.push_back(TextWord{std::move(iText), (iBox.x0 - iPage.x0) / width, (iBox.y0 - iPage.y0) / height,
                                       (iBox.x1 - iBox.x0) / width, (iBox.y1 - iBox.y0) / height});
        iText.clear();
    }

    TextLine finish()
    {
        flush();
        iLine.hyphenated = !iLine.words.empty() && endsInHyphen(iLine.words.back().text);
        return std::move(iLine);
    }

private:
    fz_rect iPage;
    std::string iText;
    fz_rect iBox{};
    TextLine iLine;
};

} // namespace

PageText wordsOfPage(const fz_stext_page& page)
{
    PageText text;
    if (!(page.mediabox.x1 > page.mediabox.x0) || !(page.mediabox.y1 > page.mediabox.y0))
        return text;
    for (const fz_stext_block* block = page.first_block; block; block = block->next) {
        if (block->type != FZ_STEXT_BLOCK_TEXT)
            continue;
        for (const fz_stext_line* line = block->u.t.first_line; line; line = line->next) {
            LineBuilder builder(page.mediabox);
            for (const fz_stext_char* ch = line->first_char; ch; ch = ch->next)
                builder.add(*ch);
            TextLine built = builder.finish();
            if (!built.words.empty())
                text.lines.push_back(std::move(built));
        }
    }
    return text;
}

} // namespace pw::pdf
