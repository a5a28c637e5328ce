// pagewind-cli publish [options] -o FOLDER PICTURE...: the pictures become the pages as they
// are (no scaling, no re-encoding) and the book is written into FOLDER. The pages take the
// first picture's shape unless --set gives the page size.

#include <filesystem>
#include <iostream>
#include <tuple>

#include "base/FileUtil.h"
#include "book/FlashPageSourceImg.h"
#include "cli/BookOptions.h"
#include "cli/Commands.h"
#include "cli/PdfImport.h"
#include "pdf/PictureDocumentBuilder.h"

namespace pw::cli {

int runPublish(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, BookOptions::optionSpecs());
    const BookOptions options = BookOptions::from(parsed);
    if (parsed.positionals.empty())
        throw UsageError("publish needs at least one picture");
    // Every picture is checked before anything is written, so a typo costs nothing.
    for (const std::string& picture : parsed.positionals) {
        if (!file::isRegularFile(picture))
            throw Failure("no such picture: " + picture);
    }
    auto flashTemplate = prepareTemplate(options);
    const std::string& first = parsed.positionals.front();
    const auto size = PictureDocumentBuilder::pictureSize(first);
    if (size) {
        // The page size as an import sets it, from the first page.
        ImportedBook shape;
        std::tie(shape.pageWidth, shape.pageHeight) = *size;
        applyImportedBook(*flashTemplate, shape, parsed);
    }
    auto pageSource = std::make_shared<FlashPageSourceImg>();
    for (const std::string& picture : parsed.positionals) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(picture, error);
        pageSource->addImgPageFromFile(error ? picture : absolute.lexically_normal().string());
    }
    pageSource->generateNormalPages();
    std::cout << writeBook(options, std::move(flashTemplate), std::move(pageSource)) << "\n";
    // Told once the book stands, so that a failure stays a single line.
    if (!size)
        std::cerr << "pagewind-cli: warning: the size of " << first
                  << " cannot be read; the pages keep the template's page size\n";
    return kExitOk;
}

} // namespace pw::cli
