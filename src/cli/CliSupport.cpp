#include "cli/CliSupport.h"

#include <algorithm>
#include <iostream>

namespace pw::cli {

void printWarning(const std::string& text)
{
    std::cerr << "pagewind-cli: warning: " << text << "\n";
}

bool ParsedArguments::has(const std::string& name) const
{
    return std::any_of(options.begin(), options.end(), [&name](const auto& option) { return option.first == name; });
}

std::optional<std::string> ParsedArguments::last(const std::string& name) const
{
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->first == name)
            return it->second;
    }
    return std::nullopt;
}

std::vector<std::string> ParsedArguments::all(const std::string& name) const
{
    std::vector<std::string> values;
    for (const auto& [option, value] : options) {
        if (option == name)
            values.push_back(value);
    }
    return values;
}

namespace {

const OptionSpec* findSpec(const std::vector<OptionSpec>& specs, const std::string& name)
{
    const auto found = std::find_if(specs.begin(), specs.end(), [&name](const OptionSpec& s) { return s.name == name; });
    return found == specs.end() ? nullptr : &*found;
}

bool looksLikeOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-';
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs)
{
    ParsedArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            parsed.positionals.insert(parsed.positionals.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                      args.end());
            break;
        }
        if (!looksLikeOption(arg)) {
            parsed.positionals.push_back(arg);
            continue;
        }
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const OptionSpec* option = findSpec(specs, name);
        if (!option)
            throw UsageError("unknown option " + name);
        if (!option->takesValue) {
            if (equals != std::string::npos)
                throw UsageError("option " + name + " takes no value");
            parsed.options.emplace_back(name, std::string());
        } else if (equals != std::string::npos) {
            parsed.options.emplace_back(name, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            parsed.options.emplace_back(name, args[++i]);
        } else {
            throw UsageError("option " + name + " needs a value");
        }
    }
    return parsed;
}

} // namespace pw::cli
