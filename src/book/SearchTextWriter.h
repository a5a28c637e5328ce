#pragma once

#include <string>

#include "book/FlashPagesText.h"

namespace pw {

// Writes the text of a book's pages as the scripts that the player loads for search and its
// text layer (docs/search-text.md): "index.js" names the pages with text, and "text-<k>.js"
// holds the words of the k-th run of kPagesPerChunk pages, so a book opens without loading
// any text and one search loads it all once. Numbers are written the same in every locale.
class SearchTextWriter {
public:
    static constexpr int kPagesPerChunk = 50;
    static constexpr const char* kFormat = "pagewind-text";
    static constexpr int kVersion = 1;

    // Puts the scripts of the text in the place of folder in one step (readers see the old
    // text or the new, never a mix); removes the folder when there is no text (null, or
    // pictures alone). False, with the reason in *error, when the folder could not be made.
    static bool write(const FlashPagesText* text, const std::string& folder, std::string* error);

    static std::string indexScript(const FlashPagesText& text);
    // The script of chunk k, counted from 1.
    static std::string chunkScript(const FlashPagesText& text, int chunk);
    static int chunkCount(const FlashPagesText& text);
};

} // namespace pw
