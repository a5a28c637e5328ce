#include "project/BookPublisher.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "book/FlashBookOutput.h"
#include "book/FlashBookOutputApp.h"
#include "book/ReadingVersion.h"
#include "pdf/IconPictures.h"
#include "template/HTMLConfigInfo.h"

namespace pw {

namespace {

namespace fs = std::filesystem;

constexpr const char* kStagingPrefix = ".pagewind-staging-";

// The staging folder goes however the run ends.
struct RemovedAtExit {
    explicit RemovedAtExit(std::string folder) : path(std::move(folder)) {}
    RemovedAtExit(const RemovedAtExit&) = delete;
    RemovedAtExit& operator=(const RemovedAtExit&) = delete;
    ~RemovedAtExit() { file::removeAll(path); }
    std::string path;
};

std::string htmlNameFor(const BookPublisher::Target& target)
{
    return FlashBookOutput::htmlFileNameForName(target.name.empty() ? "index" : target.name);
}

// Staging folders that killed runs left behind.
void removeStaleStaging(const std::string& folder)
{
    std::error_code error;
    std::vector<fs::path> stale;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().rfind(kStagingPrefix, 0) == 0)
            stale.push_back(entry.path());
    }
    for (const fs::path& path : stale)
        file::removeAll(path.string());
}

// Puts each file and folder of the staged book in the place of the old one: folders in one
// step each (the old files/ with its stale pages goes whole), files by a rename over the old.
void moveInPlace(const std::string& staging, const std::string& folder, BookPublisher::Result& result)
{
    std::error_code error;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(staging, error))
        entries.push_back(entry.path());
    for (const fs::path& entry : entries) {
        const std::string from = entry.string();
        const std::string to = file::joinPath(folder, entry.filename().string());
        const bool isFolder = file::isDirectory(from);
        if (isFolder != file::isDirectory(to) && file::exists(to))
            file::removeAll(to);
        const bool moved = isFolder ? file::replaceFolder(from, to) : std::rename(from.c_str(), to.c_str()) == 0;
        if (!moved)
            result.failures.push_back("could not put " + to + " in place");
    }
}

// A reading version that an earlier book left beside its page and this book does not write goes
// with the old book, rather than stay public with pages that are gone.
void removeStaleReadingVersion(const FlashBookOutput& writer, const std::string& folder)
{
    const std::string page = file::lastPathComponent(writer.outputHTMLFileName());
    const std::optional<std::string> written = writer.readingVersionName();
    for (const std::string name : {"text.html", "text-plain.html"}) {
        const std::string path = file::joinPath(folder, name);
        if (name != page && name != written && ReadingVersion::isOurs(path))
            file::removeAll(path);
    }
}

void runWriter(FlashBookOutput& writer, const BookPublisher::Book& book, const BookPublisher::Target& target,
               const BookPublisher::Progress& progress, const std::atomic<bool>* stop)
{
    auto html = std::make_shared<HTMLConfigInfo>();
    html->setHTMLTitle(target.title);
    writer.setHTMLConfig(std::move(html));
    writer.setFlashOutline(book.outline);
    writer.setFlashPagesAnnotations(book.annotations);
    writer.setFlashPagesText(book.text);
    writer.setPageProgress([&progress, stop](std::size_t done, std::size_t total) {
        if (progress)
            progress(done, total);
        return !(stop && stop->load());
    });
    writer.ouputTheBook();
}

BookPublisher::Result publishApplication(const BookPublisher::Book& book, const BookPublisher::Target& target,
                                         const BookPublisher::Progress& progress, const std::atomic<bool>* stop)
{
    BookPublisher::Result result;
    FlashBookOutputApp writer(book.pageSource, book.flashTemplate, target.folder, htmlNameFor(target));
    writer.setIconMaker(iconPictures);
    runWriter(writer, book, target, progress, stop);
    result.stopped = writer.stopped();
    result.failures = writer.failures();
    result.outputFile = writer.outputFileName();
    return result;
}

BookPublisher::Result publishFolder(const BookPublisher::Book& book, const BookPublisher::Target& target,
                                    const BookPublisher::Progress& progress, const std::atomic<bool>* stop)
{
    BookPublisher::Result result;
    result.outputFile = BookPublisher::outputFileFor(target);
    if (!file::createDirectories(target.folder)) {
        result.failures.push_back("the book folder " + target.folder + " cannot be made");
        return result;
    }
    removeStaleStaging(target.folder);
    const std::optional<std::string> staging =
        file::makeUniqueFolder(file::joinPath(target.folder, std::string(kStagingPrefix) + "XXXXXX"));
    if (!staging) {
        result.failures.push_back("cannot write into the book folder " + target.folder);
        return result;
    }
    const RemovedAtExit removed{*staging};
    FlashBookOutput writer(book.pageSource, book.flashTemplate, *staging, htmlNameFor(target));
    runWriter(writer, book, target, progress, stop);
    result.failures = writer.failures();
    result.stopped = writer.stopped();
    if (!result.stopped) {
        moveInPlace(*staging, target.folder, result);
        removeStaleReadingVersion(writer, target.folder);
    }
    return result;
}

} // namespace

std::string BookPublisher::outputFileFor(const Target& target)
{
    if (target.macApplication)
        return file::joinPath(target.folder, file::deletingPathExtension(htmlNameFor(target)) + ".app");
    return file::joinPath(target.folder, htmlNameFor(target));
}

bool BookPublisher::holdsBook(const Target& target)
{
    if (target.macApplication)
        return file::exists(outputFileFor(target));
    return file::isRegularFile(file::joinPath(target.folder, "files/book.bin"));
}

BookPublisher::Result BookPublisher::publish(const Book& book, const Target& target, const Progress& progress,
                                             const std::atomic<bool>* stop)
{
    try {
        return target.macApplication ? publishApplication(book, target, progress, stop)
                                     : publishFolder(book, target, progress, stop);
    } catch (const std::exception& error) {
        PW_LOG_ERROR("publish error:%s", error.what());
        Result result;
        result.outputFile = outputFileFor(target);
        result.failures.push_back(error.what());
        return result;
    }
}

} // namespace pw
