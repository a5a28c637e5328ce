// pagewind-cli build [options] -o FOLDER PICTURE...: the pictures become a PDF (in the Leafreel
// temporary folder, one per process), which is imported like any PDF and written as the book.

#include <iostream>

#include "base/PagewindException.h"
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
    std::cerr << "making a PDF of " << parsed.positionals.size() << " pictures\n";
    PictureDocumentBuilder::BuildResult built;
    try {
        built = PictureDocumentBuilder::buildFromPictures(parsed.positionals);
    } catch (const PagewindException& e) {
        throw Failure(e.reason());
    }
    for (const std::string& skipped : built.skipped)
        printWarning("skipped " + skipped + ": not a picture that can be read");
    const ImportedBook book = importBuiltPDF(built.pdfPath, importOptions);
    applyImportedBook(*flashTemplate, book, parsed);
    writeBook(options, std::move(flashTemplate), book.pages, book.outline, book.annotations, book.text);
    return kExitOk;
}

} // namespace pw::cli
