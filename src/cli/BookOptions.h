#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliSupport.h"

namespace pw {
class FlashTemplate;
class FlashPageSource;
class FlashOutline;
class FlashPagesAnnotations;
class FlashPagesText;
} // namespace pw

namespace pw::cli {

// The options shared by every command that writes a book (publish, and the commands that
// make their pages differently): template, style, settings, assignments, names, output.
struct BookOptions {
    std::string templateName = "float";
    std::optional<std::string> style;
    std::optional<std::string> settings;
    std::vector<std::pair<std::string, std::string>> assignments;  // --set, in order
    std::string name = "index";
    std::optional<std::string> title;
    bool app = false;
    bool printEmbed = false;  // --print-embed: the iframe snippet after the book's path
    std::optional<std::string> resources;
    std::optional<std::string> output;  // -o / --output

    // The option specs of the book options, for parseArguments.
    static std::vector<OptionSpec> optionSpecs();
    // The book options out of parsed arguments. Throws UsageError for a --set without "=" or
    // with an empty key, an empty --name, and (with requireOutput) a missing -o.
    static BookOptions from(const ParsedArguments& parsed, bool requireOutput = true);
    // The option lines for a command's --help text.
    static const char* helpText();
};

// Points the template library at --resources when it is given. Throws Failure when that is
// not a folder.
void applyResourceFolder(const BookOptions& options);

// The template the options describe: loaded, its style applied (changeTmplTo), the settings
// file imported, then every --set assigned. Throws Failure for an unknown template or style,
// a missing settings file or a key that no property carries, before anything is written.
std::shared_ptr<FlashTemplate> prepareTemplate(const BookOptions& options);

// Assigns every --set to the template. Throws Failure for a key that no property carries.
void applyAssignments(FlashTemplate& flashTemplate, const BookOptions& options);

// Writes the book into --output (created with its parents) as a book folder, or with --app
// as an application bundle, in place of the book that was there (BookPublisher), then prints
// what to open (the HTML page or the bundle) and, with --print-embed, the HTML that embeds the
// book. Ctrl-C stops it with the old book left as it was. Throws Failure naming every problem
// of the run when the book is not complete.
void writeBook(const BookOptions& options, std::shared_ptr<FlashTemplate> flashTemplate,
                      std::shared_ptr<FlashPageSource> pageSource, std::shared_ptr<FlashOutline> outline = nullptr,
                      std::shared_ptr<FlashPagesAnnotations> annotations = nullptr,
                      std::shared_ptr<FlashPagesText> text = nullptr);

} // namespace pw::cli
