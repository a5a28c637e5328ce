// pagewind-cli build [options] -o FOLDER PICTURE...: the pictures become a PDF (in the Leafreel
// temporary folder, one per process), which is imported like any PDF and written as the book.

#include <iostream>

#include "cli/BookOptions.h"
#include "cli/Commands.h"
#include "cli/PdfImport.h"
#include "pdf/PictureDocumentBuilder.h"

namespace pw::cli {

int runBuild(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, ImportOptions::commandSpecs());
    const BookOptions options = BookOptions::from(parsed);
    const ImportOptions importOptions = ImportOptions::from(parsed);
    if (parsed.positionals.empty())
        throw UsageError("build needs at least one picture");

    auto flashTemplate = prepareTemplate(options);
    const PictureDocumentBuilder::BuildResult built = buildPictures(parsed.positionals);
    const ImportedBook book = importBuiltPDF(built.pdfPath, importOptions);
    applyImportedBook(*flashTemplate, book, parsed);
    writeBook(options, std::move(flashTemplate), book.pages, book.outline, book.annotations, book.text);
    return kExitOk;
}

} // namespace pw::cli
