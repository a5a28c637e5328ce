// pagewind-cli: makes, inspects and lists books without a display.

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "base/PagewindException.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/LogSetup.h"

namespace {

using namespace pw::cli;

void printHelp(std::ostream& out)
{
    out << "usage: pagewind-cli COMMAND [ARGS...]\n"
           "       pagewind-cli COMMAND --help\n"
           "       pagewind-cli --help | --version\n\ncommands:\n";
    for (const Command& command : commands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
    out << "\nSet PAGEWIND_VERBOSE=1 to see the core's warnings.\n"
           "Exit status: 0 done, 1 failed (one \"pagewind-cli: \" line says why), 2 wrong usage.\n";
}

int runCommand(const Command& command, const std::vector<std::string>& args)
{
    try {
        return command.run(args);
    } catch (const UsageError& e) {
        std::cerr << "pagewind-cli: " << e.what() << "\n"
                  << "usage: pagewind-cli " << command.name << " " << command.usage << "\n";
        return kExitUsage;
    } catch (const Failure& e) {
        std::cerr << "pagewind-cli: " << e.what() << "\n";
    } catch (const pw::PagewindException& e) {
        std::cerr << "pagewind-cli: " << e.name() << ": " << e.reason() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "pagewind-cli: " << e.what() << "\n";
    }
    return kExitFailure;
}

} // namespace

int main(int argc, char** argv)
{
    const char* verbose = std::getenv("PAGEWIND_VERBOSE");
    setUpLogging(verbose && *verbose && std::string(verbose) != "0");

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printHelp(std::cout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "pagewind-cli " << PAGEWIND_VERSION << "\n";
        return kExitOk;
    }
    const Command* command = findCommand(args[0]);
    if (!command) {
        std::cerr << "pagewind-cli: unknown command \"" << args[0] << "\" (see pagewind-cli --help)\n";
        return kExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            std::cout << "usage: pagewind-cli " << command->name << " " << command->usage << "\n"
                      << "  " << command->summary << "\n"
                      << command->details;
            return kExitOk;
        }
    }
    return runCommand(*command, rest);
}
