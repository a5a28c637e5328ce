#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/types.h>

#include "support/ScratchFolder.h"

namespace pw::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts the built pagewind-cli with the arguments (no shell involved), its standard output and
// error going to the descriptors given (-1: thrown away). Returns its process id, or -1.
pid_t startCli(const std::vector<std::string>& args, int outFd = -1, int errFd = -1);
// Waits for a started pagewind-cli: its exit code, or 128 + the signal that ended it.
int waitForCli(pid_t pid);
// Runs pagewind-cli to its end and collects its exit code, standard output and standard error.
CliResult runCli(const std::vector<std::string>& args);

// A test with a scratch folder of its own for inputs and the books written from them.
class CliFolderTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return scratch_ / name; }
    std::string write(const std::string& name, const std::string& bytes) const { return scratch_.write(name, bytes); }
    // The document in a book folder's files/book.bin, or "" when it is missing or damaged.
    static std::string decodedBook(const std::string& bookFolder);

    ScratchFolder scratch_;
};

} // namespace pw::test
