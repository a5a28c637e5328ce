// pagewind-cli import [options] -o FOLDER FILE.pdf: the pages of a PDF, rendered to JPEG, with
// its links and bookmarks when asked, become the book written into FOLDER.

#include <iostream>

#include "base/FileUtil.h"
#include "cli/BookOptions.h"
#include "cli/Commands.h"
#include "cli/PdfImport.h"

namespace pw::cli {

int runImport(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, ImportOptions::commandSpecs());
    const BookOptions options = BookOptions::from(parsed);
    const ImportOptions importOptions = ImportOptions::from(parsed);
    if (parsed.positionals.size() != 1)
        throw UsageError("import takes exactly one PDF file");
    const std::string& pdf = parsed.positionals[0];
    if (!file::isRegularFile(pdf))
        throw Failure("no such file: " + pdf);

    auto flashTemplate = prepareTemplate(options);
    const ImportedBook book = importPDF(pdf, importOptions);
    applyImportedBook(*flashTemplate, book, parsed);
    writeBook(options, std::move(flashTemplate), book.pages, book.outline, book.annotations, book.text);
    return kExitOk;
}

} // namespace pw::cli
