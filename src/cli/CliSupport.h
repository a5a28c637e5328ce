#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace pw::cli {

// Exit codes of every sub-command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A wrong command line: main prints "pagewind-cli: <what>" and the usage hint, exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Anything that kept the command from finishing: main prints "pagewind-cli: <what>", exits 1.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints "pagewind-cli: warning: <text>" on standard error: something the user should know of
// a command that still succeeds.
void printWarning(const std::string& text);

struct OptionSpec {
    std::string name;  // "--template", "-o"
    bool takesValue = false;
};

struct ParsedArguments {
    std::vector<std::pair<std::string, std::string>> options;  // in command-line order
    std::vector<std::string> positionals;

    bool has(const std::string& name) const;
    // The value of the last occurrence, or none.
    std::optional<std::string> last(const std::string& name) const;
    // Every value given for the option, in order.
    std::vector<std::string> all(const std::string& name) const;
};

// Splits arguments into options and positionals. Options may stand anywhere; values follow as
// the next argument or after "=" ("--name=Trip"); "--" ends the options, and "-" alone is a
// positional. Throws UsageError for an unknown option, a missing value, or a value given to a
// switch.
ParsedArguments parseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

} // namespace pw::cli
