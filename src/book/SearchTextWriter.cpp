#include "book/SearchTextWriter.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/FileUtil.h"
#include "base/NumberText.h"
#include "base/TextEncoding.h"

namespace pw {

namespace {

// Positions in ten-thousandths of the picture: short to write, finer than a pixel at 4096.
std::string unit(float fraction)
{
    return text::decimalText(std::lround(std::clamp(fraction, 0.0f, 1.0f) * 10000.0f));
}

std::string header()
{
    return std::string("/* Pagewind book: the text of its pages, for search. */\npagewindText({\"format\":\"") +
           SearchTextWriter::kFormat + "\",\"version\":" + text::decimalText(SearchTextWriter::kVersion);
}

// Words share their line's top and height: a third less to load than a box per word.
std::string wordJson(const TextWord& word)
{
    return "[" + text::jsonQuoted(word.text) + "," + unit(word.x) + "," + unit(word.width) + "]";
}

std::string lineJson(const TextLine& line)
{
    float top = 1;
    float bottom = 0;
    for (const TextWord& word : line.words) {
        top = std::min(top, word.y);
        bottom = std::max(bottom, word.y + word.height);
    }
    // A box running past the picture's edge is cut at the edge.
    top = std::max(top, 0.0f);
    bottom = std::min(bottom, 1.0f);
    std::string json = "{\"y\":" + unit(top) + ",\"h\":" + unit(std::max(0.0f, bottom - top));
    if (line.hyphenated)
        json += ",\"j\":1";
    json += ",\"w\":[";
    for (std::size_t i = 0; i < line.words.size(); ++i)
        json += (i ? "," : "") + wordJson(line.words[i]);
    return json + "]}";
}

std::string pageJson(const PageText& page, std::size_t number)
{
    std::string json = "{\"page\":" + text::decimalText(static_cast<std::int64_t>(number)) + ",\"lines\":[";
    for (std::size_t i = 0; i < page.lines.size(); ++i)
        json += (i ? "," : "") + lineJson(page.lines[i]);
    return json + "]}";
}

std::string chunkName(int chunk)
{
    return "text-" + text::decimalText(chunk) + ".js";
}

} // namespace

int SearchTextWriter::chunkCount(const FlashPagesText& text)
{
    return static_cast<int>((text.pages().size() + kPagesPerChunk - 1) / kPagesPerChunk);
}

std::string SearchTextWriter::indexScript(const FlashPagesText& text)
{
    std::string pages;
    for (std::size_t i = 0; i < text.pages().size(); ++i) {
        if (!text.pages()[i].empty())
            pages += (pages.empty() ? "" : ",") + text::decimalText(static_cast<std::int64_t>(i + 1));
    }
    return header() + ",\"pageCount\":" + text::decimalText(static_cast<std::int64_t>(text.pages().size())) +
           ",\"chunkSize\":" + text::decimalText(kPagesPerChunk) + ",\"chunks\":" + text::decimalText(chunkCount(text)) +
           ",\"pages\":[" + pages + "]});\n";
}

std::string SearchTextWriter::chunkScript(const FlashPagesText& text, int chunk)
{
    const std::size_t first = static_cast<std::size_t>(chunk - 1) * kPagesPerChunk;
    const std::size_t end = std::min(text.pages().size(), first + kPagesPerChunk);
    std::string pages;
    for (std::size_t i = first; i < end; ++i) {
        if (!text.pages()[i].empty())
            pages += (pages.empty() ? "" : ",") + pageJson(text.pages()[i], i + 1);
    }
    return header() + ",\"chunk\":" + text::decimalText(chunk) + ",\"pages\":[" + pages + "]});\n";
}

bool SearchTextWriter::write(const FlashPagesText* text, const std::string& folder, std::string* error)
{
    const auto failed = [error](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };
    if (!text || !text->hasText())
        return file::removeAll(folder) || failed("could not remove the old text " + folder);
    file::createDirectories(file::deletingLastPathComponent(folder));
    const std::optional<std::string> staging = file::makeStagingFolderFor(folder);
    if (!staging)
        return failed("could not make a folder beside " + folder);
    bool written = file::writeFileReplacing(file::joinPath(*staging, "index.js"), indexScript(*text));
    for (int chunk = 1; written && chunk <= chunkCount(*text); ++chunk)
        written = file::writeFileReplacing(file::joinPath(*staging, chunkName(chunk)), chunkScript(*text, chunk));
    if (!written || !file::replaceFolder(*staging, folder)) {
        file::removeAll(*staging);
        return failed("could not write the text of the pages into " + folder);
    }
    return true;
}

} // namespace pw
