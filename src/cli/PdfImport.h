#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "pdf/PictureDocumentBuilder.h"

namespace pw {
class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashPagesText;
class FlashTemplate;
} // namespace pw

namespace pw::cli {

// The options of the commands that import a PDF: --range, --quality, --no-links, --no-bookmarks,
// --no-text. Links and bookmarks come along unless left out; --links and --bookmarks are still
// taken (they ask for what is done anyway), so older scripts keep working.
struct ImportOptions {
    std::string range = "ALL";
    int qualityLevel = 1;
    bool links = true;
    bool bookmarks = true;
    bool text = true;

    static std::vector<OptionSpec> optionSpecs();
    // The book options and these, for the commands that import.
    static std::vector<OptionSpec> commandSpecs();
    // Throws UsageError for a quality outside 0..4, an empty range, or --links with --no-links
    // (the same for bookmarks).
    static ImportOptions from(const ParsedArguments& parsed);
    static const char* helpText();
};

// What an import made, ready for the book writer.
struct ImportedBook {
    std::shared_ptr<FlashPageSource> pages;
    std::shared_ptr<FlashPagesAnnotations> annotations;
    std::shared_ptr<FlashOutline> outline;
    std::shared_ptr<FlashPagesText> text;
    int pageWidth = 0;
    int pageHeight = 0;
    std::optional<std::string> documentTitle;
    // The PDF that a build made of pictures is removed when the last copy of this goes, once
    // the book that may offer it for download is written.
    std::shared_ptr<void> builtPdf;
};

// Imports the PDF on a background thread, showing progress on standard error (a bar on a
// terminal, plain lines otherwise) and then the import's warnings. Ctrl-C cancels it. Throws
// Failure with the import's own message when it made no pages, or "interrupted" after Ctrl-C;
// the work folder is gone then.
ImportedBook importPDF(const std::string& pdfPath, const ImportOptions& options);
// importPDF for the PDF that a build made of pictures: the pages know it as built, and the file is
// removed with the imported book (made or not), since nothing reads it after the book.
ImportedBook importBuiltPDF(const std::string& pdfPath, const ImportOptions& options);
// The build action's PDF making, cancelled by Ctrl-C ("interrupted"), then warnings of the
// pictures it left out and of the damaged ones it took, naming each. Throws Failure when no
// picture could be read, naming every file.
PictureDocumentBuilder::BuildResult buildPictures(const std::vector<std::string>& pictures);

// Sets "pageWidth" and "pageHeight" from the import, unless --set gave them, and "bookTitle"
// from the document's title unless the template's own was changed.
void applyImportedBook(FlashTemplate& flashTemplate, const ImportedBook& book, const ParsedArguments& parsed);

} // namespace pw::cli
