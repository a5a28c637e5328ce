#pragma once

namespace pw::cli {

// Log records stay off the terminal, so a failure shows as the command's one error line;
// with verbose, warnings and errors of the core go to standard error as well.
void setUpLogging(bool verbose);

} // namespace pw::cli
