// pagewind-cli publish [options] -o FOLDER PICTURE...: the pictures become the pages, each as
// the picture intake makes it fit to show (a JPEG that already is goes in as it is), and the
// book is written into FOLDER. The pages take the first picture's shape unless --set gives the
// page size.
// pagewind-cli publish --project FILE [-o FOLDER]: the book of a saved project, made as the
// application makes it: its pages again from their pictures or PDF, its template and values.

#include <atomic>
#include <cstdio>
#include <iostream>

#include "base/FileUtil.h"
#include "base/PagewindException.h"
#include "book/FlashPageSourceImg.h"
#include "cli/BookOptions.h"
#include "cli/Commands.h"
#include "cli/PdfImport.h"
#include "cli/StopSignalWatcher.h"
#include "pdf/PictureDocumentBuilder.h"
#include "project/BookProject.h"
#include "template/FlashTemplate.h"
#include "template/StringUtil.h"

namespace pw::cli {

namespace {

std::string listed(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& path : paths)
        text += (text.empty() ? "" : ", ") + path;
    return text;
}

ImportedBook makePages(const BookPages& pages)
{
    if (pages.origin == PagesOrigin::demonstration) {
        ImportedBook demonstration;
        demonstration.pages = BookProject::demonstrationPages();
        return demonstration;
    }
    ImportOptions options;
    options.range = pages.choice.range;
    options.qualityLevel = pages.choice.qualityLevel;
    options.links = pages.choice.links;
    options.bookmarks = pages.choice.bookmarks;
    options.text = pages.choice.text;
    if (pages.origin == PagesOrigin::pdf)
        return importPDF(pages.pdfPath, options);
    return importBuiltPDF(buildPictures(pages.builtPictures).pdfPath, options);
}

ImportedBook buildDownload(const std::vector<std::string>& pictures, FlashPageSource& pages)
{
    ImportedBook kept;
    std::cerr << "making a PDF of " << pictures.size() << " pictures to download\n";
    try {
        const PictureDocumentBuilder::BuildResult result = PictureDocumentBuilder::buildFromPictures(pictures);
        kept.builtPdf = std::shared_ptr<void>(nullptr, [path = result.pdfPath](void*) { std::remove(path.c_str()); });
        pages.setSourceFile(result.pdfPath);
        pages.setSourceFileIsBuilt(true);
    } catch (const PagewindException& e) {
        throw Failure(e.reason());
    }
    return kept;
}

int publishProject(const ParsedArguments& parsed)
{
    for (const char* option : {"--template", "--style", "--settings"}) {
        if (parsed.has(option))
            throw UsageError(std::string(option) + " comes from the project; change it in the project");
    }
    if (!parsed.positionals.empty())
        throw UsageError("the pictures come from the project; give no pictures with --project");
    BookOptions options = BookOptions::from(parsed, false);
    applyResourceFolder(options);
    BookProject::OpenReport report;
    std::unique_ptr<BookProject> project;
    try {
        project = BookProject::open(*parsed.last("--project"), &report);
    } catch (const PagewindException& e) {
        throw Failure(e.reason());
    }
    // The same book as the application would make, or none: missing pages are not skipped.
    if (!report.missingPages.empty())
        throw Failure("the project's pages cannot be made, these files are missing: " + listed(report.missingPages));
    const PublishChoice& choice = project->publishChoice();
    if (!options.output)
        options.output = choice.folder;
    if (options.output->empty())
        throw UsageError("the project has no publish folder yet; give one with -o FOLDER");
    if (!parsed.has("--name") && !choice.name.empty())
        options.name = choice.name;
    if (!options.title && !choice.title.empty())
        options.title = choice.title;
    options.app = options.app || choice.outputType == 1;
    if (options.app && options.printEmbed)
        throw UsageError("--print-embed is for a book folder; the project publishes an application");

    applyAssignments(*project->flashTemplate(), options);
    const ImportedBook book = makePages(project->bookPages());
    // The project's own values stand: its page size and title are not taken from the import.
    writeBook(options, project->flashTemplate(), book.pages, book.outline, book.annotations, book.text);
    return kExitOk;
}

} // namespace

std::vector<OptionSpec> publishOptionSpecs()
{
    std::vector<OptionSpec> specs = BookOptions::optionSpecs();
    specs.push_back({"--project", true});
    return specs;
}

int runPublish(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, publishOptionSpecs());
    if (parsed.has("--project"))
        return publishProject(parsed);
    const BookOptions options = BookOptions::from(parsed);
    if (parsed.positionals.empty())
        throw UsageError("publish needs at least one picture");
    // Every picture is checked before anything is written, so a typo costs nothing.
    for (const std::string& picture : parsed.positionals) {
        if (!file::isRegularFile(picture))
            throw Failure("no such picture: " + picture);
    }
    auto flashTemplate = prepareTemplate(options);
    std::vector<PictureOutcome> problems;
    std::shared_ptr<FlashPageSourceImg> pageSource;
    {
        std::atomic<bool> stop{false};
        const StopSignalWatcher watcher([&stop] { stop = true; });
        try {
            pageSource = FlashPageSourceImg::fromPictures(parsed.positionals, problems, &stop);
        } catch (const PagewindException& e) {
            throw Failure(watcher.stopped() ? "interrupted; nothing was written" : e.reason());
        }
    }
    if (pageSource->pages().empty())
        throw Failure(PictureOutcome::noneReadable(problems));
    for (const PictureOutcome& problem : problems)
        printWarning(problem.message());
    // The page size as an import sets it, from the first page.
    if (const auto size = PictureIntake::readSize(pageSource->pages().front()->pageFilePath())) {
        ImportedBook shape;
        shape.pageWidth = size->width;
        shape.pageHeight = size->height;
        applyImportedBook(*flashTemplate, shape, parsed);
    }
    // A book that offers its PDF for download gets the one that Build makes of the pictures.
    ImportedBook built;
    if (valueAsBool(flashTemplate->propertyValueFor("showDownload", "NO")))
        built = buildDownload(parsed.positionals, *pageSource);
    writeBook(options, std::move(flashTemplate), std::move(pageSource));
    return kExitOk;
}

} // namespace pw::cli
