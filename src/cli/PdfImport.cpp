#include "cli/PdfImport.h"

#include <atomic>
#include <cstdio>
#include <iostream>
#include <string>

#include <unistd.h>

#include "base/NotificationCenter.h"
#include "base/NumberText.h"
#include "base/PagewindException.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/OperationQueue.h"
#include "cli/BookOptions.h"
#include "cli/StopSignalWatcher.h"
#include "template/FlashTemplate.h"

namespace pw::cli {

namespace {

long long integerOf(const UserInfo& info, const std::string& key)
{
    const auto found = info.find(key);
    if (found == info.end())
        return 0;
    const long long* value = std::get_if<long long>(&found->second);
    return value ? *value : 0;
}

std::string textOf(const UserInfo& info, const std::string& key)
{
    const auto found = info.find(key);
    if (found == info.end())
        return {};
    const std::string* value = std::get_if<std::string>(&found->second);
    return value ? *value : std::string();
}

// Progress on standard error: one redrawn bar on a terminal, otherwise a line per percent of
// each phase (every page of a short document), so a long import does not flood a log.
class ProgressPrinter {
public:
    ProgressPrinter() : iTerminal(::isatty(STDERR_FILENO) == 1) {}
    ProgressPrinter(const ProgressPrinter&) = delete;
    ProgressPrinter& operator=(const ProgressPrinter&) = delete;
    ~ProgressPrinter()
    {
        if (iTerminal && iDrawn)
            std::cerr << "\n";
    }

    void show(long long position, long long total, const std::string& type)
    {
        const std::string phase = type == "geneatePage" ? "rendering pages" : "collecting pages";
        const long long percent = total > 0 ? position * 100 / total : 100;
        const bool newStep = phase != iPhase || percent != iPercent || position == total;
        iPhase = phase;
        iPercent = percent;
        if (!iTerminal) {
            if (newStep)
                std::cerr << phase << " " << position << "/" << total << "\n";
            return;
        }
        constexpr int kWidth = 30;
        const int filled = total > 0 ? static_cast<int>(position * kWidth / total) : kWidth;
        std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                  << std::string(static_cast<std::size_t>(kWidth - filled), '-') << "] " << position << "/" << total
                  << " " << phase << "  " << std::flush;
        iDrawn = true;
    }

private:
    bool iTerminal = false;
    bool iDrawn = false;
    std::string iPhase;
    long long iPercent = -1;
};

int parseQuality(const std::string& text)
{
    if (text.size() != 1 || text[0] < '0' || text[0] > '4')
        throw UsageError("--quality takes 0 (best) to 4 (smallest), not \"" + text + "\"");
    return text[0] - '0';
}

// On unless --no-NAME; --NAME is taken too, and both at once are a contradiction.
bool switchedOn(const ParsedArguments& parsed, const std::string& name)
{
    const bool off = parsed.has("--no-" + name);
    if (off && parsed.has("--" + name))
        throw UsageError("--" + name + " and --no-" + name + " contradict each other");
    return !off;
}

} // namespace

PictureDocumentBuilder::BuildResult buildPictures(const std::vector<std::string>& pictures)
{
    std::cerr << "making a PDF of " << pictures.size() << " pictures\n";
    PictureDocumentBuilder::BuildResult built;
    {
        // Also keeps Ctrl-C from the picture library's threads, which start here.
        std::atomic<bool> stop{false};
        const StopSignalWatcher watcher([&stop] { stop = true; });
        try {
            built = PictureDocumentBuilder::buildFromPictures(pictures, &stop);
        } catch (const PagewindException& e) {
            throw Failure(watcher.stopped() ? "interrupted; nothing was written" : e.reason());
        }
    }
    for (const PictureOutcome& skipped : built.skipped)
        printWarning(skipped.message());
    for (const PictureOutcome& damaged : built.damaged)
        printWarning(damaged.message());
    return built;
}

std::vector<OptionSpec> ImportOptions::optionSpecs()
{
    return {{"--range", true},     {"--quality", true},       {"--links", false},  {"--no-links", false},
            {"--bookmarks", false}, {"--no-bookmarks", false}, {"--no-text", false}};
}

std::vector<OptionSpec> ImportOptions::commandSpecs()
{
    std::vector<OptionSpec> specs = BookOptions::optionSpecs();
    for (const OptionSpec& option : optionSpecs())
        specs.push_back(option);
    return specs;
}

ImportOptions ImportOptions::from(const ParsedArguments& parsed)
{
    ImportOptions options;
    if (const auto range = parsed.last("--range"))
        options.range = *range;
    if (options.range.empty())
        throw UsageError("--range must not be empty (ALL, or pages such as 1-3,7)");
    if (const auto quality = parsed.last("--quality"))
        options.qualityLevel = parseQuality(*quality);
    options.links = switchedOn(parsed, "links");
    options.bookmarks = switchedOn(parsed, "bookmarks");
    options.text = !parsed.has("--no-text");
    return options;
}

const char* ImportOptions::helpText()
{
    return "  --range TEXT         the pages to import: ALL (default) or numbers and ranges, 1-3,7\n"
           "  --quality N          JPEG quality: 1 (85, the default), 0 best (100), 2 (65), 3 (45),\n"
           "                       4 smallest (25)\n"
           "  --no-links           leave out the PDF's links (by default they become clickable areas)\n"
           "  --no-bookmarks       leave out the PDF's bookmarks (by default they become the outline)\n"
           "  --no-text            leave out the text of the pages (readers then cannot search)\n";
}

ImportedBook importPDF(const std::string& pdfPath, const ImportOptions& options)
{
    auto operation = std::make_shared<ImportPDFOperation>(pdfPath, options.range, 144,
                                                          ImportPDFOperation::qualityForLevel(options.qualityLevel));
    operation->setImportLinks(options.links);
    operation->setImportBookmarks(options.bookmarks);
    operation->setImportText(options.text);

    ProgressPrinter progress;
    const ObserverRegistration observing(ImportProgressInfoMSG, [&progress](const Notification& note) {
        progress.show(integerOf(note.userInfo, "pageIndex"), integerOf(note.userInfo, "totalPage"),
                      textOf(note.userInfo, "type"));
    });
    const StopSignalWatcher watcher([operation] { operation->cancel(); });
    {
        OperationQueue queue;
        queue.addOperation(operation);
        queue.waitUntilAllOperationsAreFinished();
    }
    if (watcher.stopped())
        throw Failure("interrupted; nothing was written");
    if (operation->errorMessage())
        throw Failure(*operation->errorMessage());
    for (const std::string& warning : operation->warnings())
        printWarning(warning);

    ImportedBook book;
    book.pages = operation->flashPageSource();
    book.annotations = operation->flashPagesAnnotation();
    book.outline = operation->flashOutline();
    book.text = operation->flashPagesText();
    const auto [width, height] = ImportPDFOperation::firstPageSize(book.pages.get());
    book.pageWidth = width;
    book.pageHeight = height;
    book.documentTitle = operation->documentTitle();
    return book;
}

ImportedBook importBuiltPDF(const std::string& pdfPath, const ImportOptions& options)
{
    const std::shared_ptr<void> removed(nullptr, [path = pdfPath](void*) { std::remove(path.c_str()); });
    ImportedBook book = importPDF(pdfPath, options);
    if (book.pages)
        book.pages->setSourceFileIsBuilt(true);
    book.builtPdf = removed;
    return book;
}

void applyImportedBook(FlashTemplate& flashTemplate, const ImportedBook& book, const ParsedArguments& parsed)
{
    bool widthGiven = false;
    bool heightGiven = false;
    for (const std::string& assignment : parsed.all("--set")) {
        widthGiven = widthGiven || assignment.rfind("pageWidth=", 0) == 0;
        heightGiven = heightGiven || assignment.rfind("pageHeight=", 0) == 0;
    }
    if (!widthGiven)
        flashTemplate.setPropertyValue("pageWidth", text::decimalText(book.pageWidth));
    if (!heightGiven)
        flashTemplate.setPropertyValue("pageHeight", text::decimalText(book.pageHeight));
    if (book.documentTitle)
        flashTemplate.adoptDocumentTitle(*book.documentTitle);
}

} // namespace pw::cli
