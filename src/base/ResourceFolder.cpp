#include "base/ResourceFolder.h"

#include <filesystem>
#include <mutex>

#include "base/FileUtil.h"

namespace pw::resources {
namespace {

struct Chosen {
    std::mutex mutex;
    std::optional<std::string> folder;
};

Chosen& chosen()
{
    static Chosen instance;
    return instance;
}

std::optional<std::string> installedFolder()
{
    std::error_code error;
    const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    const std::string prefix = file::deletingLastPathComponent(binary.parent_path().string());
    const std::string candidate = file::joinPath(prefix, "share/pagewind");
    return file::isDirectory(candidate) ? std::optional<std::string>(candidate) : std::nullopt;
}

} // namespace

std::string resourceFolder()
{
    {
        std::lock_guard lock(chosen().mutex);
        if (chosen().folder)
            return *chosen().folder;
    }
    if (std::optional<std::string> installed = installedFolder())
        return *installed;
    return file::withoutTrailingSlash(PAGEWIND_SOURCE_RESOURCES);
}

void setResourceFolder(std::optional<std::string> folder)
{
    std::lock_guard lock(chosen().mutex);
    chosen().folder = folder ? std::optional<std::string>(file::withoutTrailingSlash(*folder)) : std::nullopt;
}

} // namespace pw::resources
