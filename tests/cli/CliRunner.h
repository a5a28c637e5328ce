#pragma once

#include <string>
#include <vector>

namespace pw::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built pagewind-cli with the arguments (no shell involved) and collects its exit
// code, standard output and standard error.
CliResult runCli(const std::vector<std::string>& args);

} // namespace pw::test
