// pagewind-cli decode BOOK.bin: prints the book configuration document inside a book.bin.

#include <iostream>

#include "base/FileUtil.h"
#include "book/FlashBookFile.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace pw::cli {

int runDecode(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positionals.size() != 1)
        throw UsageError("decode takes exactly one file");
    const std::string& path = parsed.positionals[0];
    if (!file::isRegularFile(path))
        throw Failure("no such file: " + path);
    const std::optional<std::string> bytes = file::readFile(path);
    if (!bytes)
        throw Failure("cannot read " + path);
    std::string error;
    const std::optional<std::string> xmlText = FlashBookFile::unpack(*bytes, &error);
    if (!xmlText)
        throw Failure(path + " is " + error);
    std::cout << *xmlText;
    if (!xmlText->empty() && xmlText->back() != '\n')
        std::cout << '\n';
    std::cout.flush();
    if (!std::cout)
        throw Failure("cannot write to standard output");
    return kExitOk;
}

} // namespace pw::cli
