#include "base/PlatformPaths.h"

#include <cstdlib>

#include "base/FileUtil.h"

namespace pw::platform {
namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

std::string userApplicationSupportFolder()
{
    const std::string dataHome = environment("XDG_DATA_HOME");
    if (!dataHome.empty())
        return file::withoutTrailingSlash(dataHome);
    const std::string home = environment("HOME");
    return file::joinPath(home.empty() ? "/tmp" : home, ".local/share");
}

std::string userTemporaryFolder()
{
    const std::string temporary = environment("TMPDIR");
    return temporary.empty() ? std::string("/tmp") : file::withoutTrailingSlash(temporary);
}

std::string machineApplicationSupportFolder()
{
    const std::string overridden = environment("PAGEWIND_MACHINE_SUPPORT_DIR");
    return overridden.empty() ? std::string("/etc/adobe") : file::withoutTrailingSlash(overridden);
}

} // namespace pw::platform
