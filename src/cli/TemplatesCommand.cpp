// pagewind-cli templates: each template on a line, its styles below it indented by two blanks.

#include <algorithm>
#include <iostream>

#include "base/FileUtil.h"
#include "cli/BookOptions.h"
#include "cli/Commands.h"
#include "template/FlashTemplate.h"

namespace pw::cli {

namespace {

// The folder names directly below root among the deep listing (which also holds subfolders).
std::vector<std::string> namesDirectlyBelow(const std::vector<std::string>& paths, const std::string& root)
{
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        if (file::withoutTrailingSlash(file::deletingLastPathComponent(path)) == file::withoutTrailingSlash(root))
            names.push_back(file::lastPathComponent(path));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

int runTemplates(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, {{"--resources", true}});
    if (!parsed.positionals.empty())
        throw UsageError("templates takes no arguments");
    BookOptions options;
    options.resources = parsed.last("--resources");
    applyResourceFolder(options);

    const std::string templatesRoot = file::deletingLastPathComponent(FlashTemplate::tmplPathForName("x"));
    const std::string stylesRoot =
        file::deletingLastPathComponent(file::deletingLastPathComponent(FlashTemplate::stylePathFor("x", "y")));
    std::vector<std::string> templates;
    for (const std::string& name : namesDirectlyBelow(FlashTemplate::tmplNames(), templatesRoot)) {
        if (file::isRegularFile(FlashTemplate::tmplMetaPathForName(name)))
            templates.push_back(name);
    }
    if (templates.empty())
        throw Failure("no templates in " + templatesRoot);
    for (const std::string& name : templates) {
        std::cout << name << "\n";
        const std::string root = file::joinPath(stylesRoot, name);
        for (const std::string& style : namesDirectlyBelow(FlashTemplate::tmplStyleNamesForTmpl(name), root))
            std::cout << "  " << style << "\n";
    }
    return kExitOk;
}

} // namespace pw::cli
