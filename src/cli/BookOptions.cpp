#include "cli/BookOptions.h"

#include <atomic>
#include <iostream>

#include "base/FileUtil.h"
#include "base/ResourceFolder.h"
#include "book/BookEmbedCode.h"
#include "book/FlashBookOutput.h"
#include "cli/StopSignalWatcher.h"
#include "project/BookPublisher.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

namespace pw::cli {

namespace {

template <typename Text>
std::string textOf(const Text& text)
{
    if constexpr (std::is_same_v<Text, std::string>)
        return text;
    else
        return text.value_or(std::string());
}

bool treeHasKey(const FlashTemplateProperty& property, const std::string& key)
{
    if (textOf(property.key()) == key)
        return true;
    for (const auto& child : property.childProperties()) {
        if (child && treeHasKey(*child, key))
            return true;
    }
    return false;
}

bool templateHasKey(const FlashTemplate& flashTemplate, const std::string& key)
{
    for (const auto& property : flashTemplate.properties()) {
        if (property && treeHasKey(*property, key))
            return true;
    }
    return false;
}

std::string joined(const std::vector<std::string>& lines, const std::string& separator)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : separator) + line;
    return text;
}

std::string htmlTitle(const BookOptions& options, const FlashTemplate& flashTemplate, const std::string& htmlName)
{
    if (options.title)
        return *options.title;
    const std::string bookTitle = textOf(flashTemplate.propertyValueFor("bookTitle", ""));
    return bookTitle.empty() ? file::deletingPathExtension(htmlName) : bookTitle;
}

} // namespace

std::vector<OptionSpec> BookOptions::optionSpecs()
{
    return {{"--template", true}, {"--style", true}, {"--settings", true}, {"--set", true},
            {"--name", true},     {"--title", true}, {"--app", false},     {"--resources", true},
            {"-o", true},         {"--output", true},   {"--print-embed", false}};
}

const char* BookOptions::helpText()
{
    return "  -o, --output FOLDER  the book folder (created when missing)\n"
           "  --template NAME      the template (default float)\n"
           "  --style NAME         a style of the template\n"
           "  --settings FILE      a settings file imported after the style\n"
           "  --set KEY=VALUE      a property value, assigned last (repeatable)\n"
           "  --name NAME          the HTML page is NAME.html (default index)\n"
           "  --title TEXT         the HTML title (default: the book title, else the name)\n"
           "  --app                write a Mac application bundle NAME.app instead\n"
           "  --resources DIR      the resource folder holding AppFiles/\n"
           "  --print-embed        also print the HTML that embeds the book in another web page\n";
}

BookOptions BookOptions::from(const ParsedArguments& parsed, bool requireOutput)
{
    BookOptions options;
    options.templateName = parsed.last("--template").value_or(options.templateName);
    options.style = parsed.last("--style");
    options.settings = parsed.last("--settings");
    for (const std::string& assignment : parsed.all("--set")) {
        const size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0)
            throw UsageError("--set needs KEY=VALUE, got \"" + assignment + "\"");
        options.assignments.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
    }
    options.name = parsed.last("--name").value_or(options.name);
    if (options.name.empty())
        throw UsageError("--name must not be empty");
    // The page goes into the book folder itself; a path would write it somewhere else.
    if (options.name.find('/') != std::string::npos || options.name == "." || options.name == "..")
        throw UsageError("--name is a file name, not a path: \"" + options.name + "\"");
    options.title = parsed.last("--title");
    options.app = parsed.has("--app");
    options.printEmbed = parsed.has("--print-embed");
    if (options.app && options.printEmbed)
        throw UsageError("--print-embed is for a book folder; an application cannot be embedded in a web page");
    options.resources = parsed.last("--resources");
    options.output = parsed.last("--output");
    if (const auto shortOutput = parsed.last("-o"))
        options.output = shortOutput;
    if (requireOutput && (!options.output || options.output->empty()))
        throw UsageError("the book folder is missing (-o FOLDER)");
    if (options.templateName.empty())
        throw UsageError("--template must not be empty");
    return options;
}

void applyResourceFolder(const BookOptions& options)
{
    if (!options.resources)
        return;
    if (!file::isDirectory(*options.resources))
        throw Failure("the resource folder does not exist: " + *options.resources);
    pw::resources::setResourceFolder(*options.resources);
}

std::shared_ptr<FlashTemplate> prepareTemplate(const BookOptions& options)
{
    applyResourceFolder(options);
    const std::string& name = options.templateName;
    if (name.find('/') != std::string::npos || !file::isRegularFile(FlashTemplate::tmplMetaPathForName(name)))
        throw Failure("unknown template \"" + name + "\" (pagewind-cli templates lists them)");
    std::optional<std::string> stylePath;
    if (options.style) {
        stylePath = FlashTemplate::stylePathFor(name, *options.style);
        const bool isPath = options.style->find('/') != std::string::npos || *options.style == "." || *options.style == "..";
        if (options.style->empty() || isPath || !file::isDirectory(*stylePath))
            throw Failure("unknown style \"" + *options.style + "\" of the template \"" + name + "\"");
    }
    if (options.settings && !file::isRegularFile(*options.settings))
        throw Failure("no such settings file: " + *options.settings);

    auto flashTemplate = std::make_shared<FlashTemplate>();
    if (stylePath)
        flashTemplate->changeTmplTo(name, *stylePath);
    else if (flashTemplate->tmplName() != name)
        flashTemplate->loadTemplate(name);
    if (flashTemplate->properties().empty())
        throw Failure("the template \"" + name + "\" could not be loaded");
    if (options.settings) {
        if (const std::optional<std::string> warning = flashTemplate->importPropertiesSettingsFrom(*options.settings))
            printWarning(*warning);
    }
    applyAssignments(*flashTemplate, options);
    return flashTemplate;
}

void applyAssignments(FlashTemplate& flashTemplate, const BookOptions& options)
{
    for (const auto& [key, value] : options.assignments) {
        if (!templateHasKey(flashTemplate, key))
            throw Failure("the template \"" + flashTemplate.tmplName() + "\" has no property \"" + key + "\"");
        flashTemplate.setPropertyValue(key, value);
    }
}

void writeBook(const BookOptions& options, std::shared_ptr<FlashTemplate> flashTemplate,
                      std::shared_ptr<FlashPageSource> pageSource, std::shared_ptr<FlashOutline> outline,
                      std::shared_ptr<FlashPagesAnnotations> annotations, std::shared_ptr<FlashPagesText> text)
{
    BookPublisher::Target target;
    target.folder = options.output.value_or("");
    if (!file::createDirectories(target.folder))
        throw Failure("cannot create the book folder " + target.folder);
    target.name = options.name;
    target.title = htmlTitle(options, *flashTemplate, FlashBookOutput::htmlFileNameForName(options.name));
    target.macApplication = options.app;
    const std::string embedCode =
        options.printEmbed ? BookEmbedCode::forBook(*flashTemplate, target.folder, file::lastPathComponent(
                                                                                      BookPublisher::outputFileFor(target)),
                                                    target.title)
                           : std::string();
    const BookPublisher::Book book{std::move(pageSource), std::move(flashTemplate), std::move(outline),
                                   std::move(annotations), std::move(text)};
    std::atomic<bool> stop{false};
    BookPublisher::Result result;
    {
        const StopSignalWatcher watcher([&stop] { stop.store(true); });
        result = BookPublisher::publish(book, target, {}, &stop);
    }
    if (result.stopped)
        throw Failure("interrupted; the book in " + target.folder + " is as it was");
    if (!result.failures.empty())
        throw Failure("the book in " + target.folder + " is incomplete: " + joined(result.failures, "; "));
    std::cout << result.outputFile << "\n";
    if (!embedCode.empty())
        std::cout << embedCode << "\n";
}

} // namespace pw::cli
