#pragma once

#include <optional>
#include <string>

// The application's resource folder R, which holds AppFiles/, DemoImgs/ and logging.properties.
namespace pw::resources {

// The folder named by setResourceFolder; otherwise share/pagewind beside the running binary's
// bin folder (an installed program) when that exists; otherwise the source tree's resources/.
// Returned without a trailing "/".
std::string resourceFolder();

// Names the resource folder for the rest of the run (the command line's --resources, tests);
// none goes back to finding it as above.
void setResourceFolder(std::optional<std::string> folder);

} // namespace pw::resources
