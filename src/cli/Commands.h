#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/CliSupport.h"

namespace pw::cli {

// One sub-command. run gets the arguments after the command name and returns the exit code;
// it may throw UsageError (exit 2) or Failure / PagewindException (exit 1) instead.
struct Command {
    std::string_view name;
    std::string_view usage;    // the arguments, for "pagewind-cli NAME <usage>"
    std::string_view summary;  // one line for --help
    std::string_view details;  // option lines for "pagewind-cli NAME --help", may be empty
    int (*run)(const std::vector<std::string>& args);
};

// The table of sub-commands, in the order --help lists them.
const std::vector<Command>& commands();
const Command* findCommand(std::string_view name);

// Sub-commands, one file each (PublishCommand.cpp, ...). Add a new one here and in the table.
int runPublish(const std::vector<std::string>& args);
// The publish command's options: the book options and --project.
std::vector<OptionSpec> publishOptionSpecs();
int runDecode(const std::vector<std::string>& args);
int runTemplates(const std::vector<std::string>& args);
int runServe(const std::vector<std::string>& args);
int runImport(const std::vector<std::string>& args);
int runBuild(const std::vector<std::string>& args);

} // namespace pw::cli
