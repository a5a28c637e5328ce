#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pw {

class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashPagesText;
class FlashTemplate;

// Publishes a book as one change. A book folder is written into a hidden folder inside the
// target and then put in place of the old book's files; a Mac application is swapped in whole by
// its writer. So a stopped, failed or killed run leaves the previous book as it was, and the page
// files of an old book that the new one lacks go with it. Other files in the folder are kept.
class BookPublisher {
public:
    // What is published. The writer only reads these; the template should be a copy of the one
    // being edited when the publication runs on another thread (templatetree::copyOf).
    struct Book {
        std::shared_ptr<FlashPageSource> pageSource;
        std::shared_ptr<FlashTemplate> flashTemplate;
        std::shared_ptr<FlashOutline> outline;
        std::shared_ptr<FlashPagesAnnotations> annotations;
        std::shared_ptr<FlashPagesText> text;  // the words for the reader's search, or none
    };
    struct Target {
        std::string folder;
        std::string name = "index";  // the page is name + ".html" (not doubled); a bundle name.app
        std::string title;           // of the HTML page
        bool macApplication = false;
    };
    struct Result {
        std::string outputFile;             // the HTML page or the bundle
        std::vector<std::string> failures;  // one readable line each; a book with failures is still put in place
        bool stopped = false;               // nothing was changed
        bool ok() const { return failures.empty() && !stopped; }
    };
    // Pages written so far and in all, on the publishing thread.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // The HTML page or bundle that publishing the target makes.
    static std::string outputFileFor(const Target& target);
    // Whether publishing would replace a book that is there: the folder holds files/book.bin, or
    // the bundle exists.
    static bool holdsBook(const Target& target);

    // Writes the book. stop, set from any thread, ends the run between two pages. Failures of
    // the services are reported in the result, never thrown.
    static Result publish(const Book& book, const Target& target, const Progress& progress = {},
                          const std::atomic<bool>* stop = nullptr);
};

} // namespace pw
