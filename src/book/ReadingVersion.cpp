#include "book/ReadingVersion.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "base/FileUtil.h"
#include "base/NumberText.h"
#include "base/TextEncoding.h"
#include "book/FlashOutline.h"

namespace pw {

namespace {

constexpr std::array<std::pair<std::string_view, ReadingVersion::Words>, 5> kWords = {{
    {"English", {"en", "Contents", "Page {n}", "Open the flip book", "This book needs JavaScript.", "Read it as a plain page"}},
    {"German",
     {"de", "Inhalt", "Seite {n}", "Das Blätterbuch öffnen", "Dieses Buch braucht JavaScript.", "Als einfache Seite lesen"}},
    {"French",
     {"fr", "Sommaire", "Page {n}", "Ouvrir le livre à feuilleter", "Ce livre a besoin de JavaScript.",
      "Le lire en page simple"}},
    {"Spanish",
     {"es", "Índice", "Página {n}", "Abrir el libro para hojear", "Este libro necesita JavaScript.",
      "Leerlo como página sencilla"}},
    {"Chinese", {"zh", "目录", "第 {n} 页", "打开翻页书", "此书需要 JavaScript。", "以普通网页阅读"}},
}};

// Simple enough to keep the page readable on any screen without a style sheet of its own.
constexpr const char* kStyle =
    "body{max-width:46em;margin:0 auto;padding:1em;font:17px/1.55 Georgia,serif;color:#222;background:#fff}"
    "img{display:block;max-width:100%;height:auto;border:1px solid #ddd;background:#f4f4f4}"
    "section{margin:2.5em 0}h2{font-size:1.1em}nav ul{padding-left:1.3em}";

std::string escaped(std::string_view text)
{
    return text::htmlEscaped(text);
}

std::string pageLabel(const ReadingVersion::Words& words, std::size_t n)
{
    std::string label = words.page;
    const std::size_t at = label.find("{n}");
    return label.replace(at, 3, text::decimalText(static_cast<std::int64_t>(n)));
}

std::string anchor(std::size_t n)
{
    return "page-" + text::decimalText(static_cast<std::int64_t>(n));
}

void appendOutline(std::string& out, const FlashOutlineItem::ItemList& items,
                   const std::map<std::int32_t, std::size_t>& positionOfFile)
{
    out += "<ul>\n";
    for (const auto& item : items) {
        if (!item)
            continue;
        const std::string caption = escaped(item->caption().value_or("").empty() ? "\u2014" : *item->caption());
        const auto position = positionOfFile.find(item->pageIndex());
        out += "<li>";
        // An entry whose page the book leaves out stays as a caption without a link.
        out += position == positionOfFile.end() ? caption : "<a href=\"#" + anchor(position->second) + "\">" + caption + "</a>";
        if (!item->childItems().empty()) {
            out += "\n";
            appendOutline(out, item->childItems(), positionOfFile);
        }
        out += "</li>\n";
    }
    out += "</ul>\n";
}

std::string lineText(const TextLine& line)
{
    std::string text;
    for (const TextWord& word : line.words)
        text += (text.empty() ? "" : " ") + word.text;
    return text;
}

} // namespace

const ReadingVersion::Words& ReadingVersion::wordsFor(std::string_view language)
{
    const auto found = std::find_if(kWords.begin(), kWords.end(), [language](const auto& entry) { return entry.first == language; });
    return (found == kWords.end() ? kWords.front() : *found).second;
}

std::string ReadingVersion::fileNameFor(std::string_view bookPage)
{
    std::string lower(bookPage);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "text.html" ? "text-plain.html" : "text.html";
}

std::vector<std::string> ReadingVersion::paragraphs(const PageText& text)
{
    std::vector<std::string> out;
    std::string paragraph;
    const TextLine* previous = nullptr;
    for (const TextLine& line : text.lines) {
        if (line.words.empty())
            continue;
        const float top = line.words.front().y;
        if (previous) {
            const TextWord& above = previous->words.front();
            const bool gap = top - (above.y + above.height) > above.height;
            if (gap) {
                out.push_back(paragraph);
                paragraph.clear();
            } else if (previous->hyphenated && !paragraph.empty() && paragraph.back() == '-') {
                paragraph.pop_back();
            } else {
                paragraph += ' ';
            }
        }
        paragraph += lineText(line);
        previous = &line;
    }
    if (!paragraph.empty())
        out.push_back(paragraph);
    return out;
}

std::string ReadingVersion::html(const Book& book)
{
    const Words& words = wordsFor(book.language);
    const std::string back = escaped(book.bookPage);
    const std::string openBook = "<p><a href=\"" + back + "\">" + escaped(words.openBook) + "</a></p>\n";
    std::string out = std::string("<!DOCTYPE html>\n<html lang=\"") + words.lang + "\">\n<head>\n<meta charset=\"utf-8\">\n" +
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" + escaped(book.title) +
                      "</title>\n";
    if (!book.description.empty())
        out += "<meta name=\"description\" content=\"" + escaped(book.description) + "\">\n";
    out += std::string("<meta name=\"generator\" content=\"") + kGenerator + "\">\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    out += "<header>\n<h1>" + escaped(book.title) + "</h1>\n";
    if (!book.description.empty())
        out += "<p>" + escaped(book.description) + "</p>\n";
    out += openBook + "</header>\n";

    std::map<std::int32_t, std::size_t> positionOfFile;
    for (std::size_t i = book.pages.size(); i > 0; --i)
        positionOfFile[book.pages[i - 1].fileNumber] = i;  // the first page with the number wins
    if (book.outline && !book.outline->items().empty()) {
        out += "<nav aria-labelledby=\"contents\">\n<h2 id=\"contents\">" + escaped(words.contents) + "</h2>\n";
        appendOutline(out, book.outline->items(), positionOfFile);
        out += "</nav>\n";
    }

    const std::string width = text::decimalText(std::max(1, book.pageWidth));
    const std::string height = text::decimalText(std::max(1, book.pageHeight));
    out += "<main>\n";
    for (std::size_t n = 1; n <= book.pages.size(); ++n) {
        const Page& page = book.pages[n - 1];
        const std::string label = escaped(pageLabel(words, n));
        out += "<section id=\"" + anchor(n) + "\">\n<h2><a href=\"" + back + "#page=" + text::decimalText(static_cast<std::int64_t>(n)) +
               "\">" + label + "</a></h2>\n";
        if (!page.pictureUrl.empty()) {
            out += "<img src=\"" + escaped(page.pictureUrl) + "\" alt=\"" + label + "\" width=\"" + width + "\" height=\"" + height +
                   "\" loading=\"lazy\" decoding=\"async\">\n";
        }
        if (page.text) {
            for (const std::string& paragraph : paragraphs(*page.text))
                out += "<p>" + escaped(paragraph) + "</p>\n";
        }
        out += "</section>\n";
    }
    out += "</main>\n<footer>\n" + openBook + "</footer>\n</body>\n</html>\n";
    return out;
}

bool ReadingVersion::isOurs(const std::string& path)
{
    const std::optional<std::string> text = file::readFile(path);
    return text && text->find(std::string("<meta name=\"generator\" content=\"") + kGenerator + "\">") != std::string::npos;
}

} // namespace pw
