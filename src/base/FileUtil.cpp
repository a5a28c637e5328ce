#include "base/FileUtil.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pw::file {

std::string withoutTrailingSlash(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return std::string(path);
}

std::string joinPath(std::string_view base, std::string_view component)
{
    while (!component.empty() && component.front() == '/')
        component.remove_prefix(1);
    std::string result = withoutTrailingSlash(base);
    if (component.empty())
        return result;
    if (result.empty())
        return std::string(component);
    if (result.back() != '/')
        result += '/';
    result += component;
    return result;
}

std::string lastPathComponent(std::string_view path)
{
    const std::string trimmed = withoutTrailingSlash(path);
    if (trimmed == "/")
        return trimmed;
    const size_t slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string deletingLastPathComponent(std::string_view path)
{
    const std::string trimmed = withoutTrailingSlash(path);
    const size_t slash = trimmed.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return "/";
    return withoutTrailingSlash(trimmed.substr(0, slash));
}

std::string pathExtension(std::string_view path)
{
    const std::string name = lastPathComponent(path);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    return name.substr(dot + 1);
}

std::string deletingPathExtension(std::string_view path)
{
    const std::string trimmed = withoutTrailingSlash(path);
    const std::string extension = pathExtension(trimmed);
    if (extension.empty())
        return trimmed;
    return trimmed.substr(0, trimmed.size() - extension.size() - 1);
}

bool exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool isRegularFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::optional<std::string> readFile(const std::string& path)
{
    if (isDirectory(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(content).str();
}

namespace {

std::string temporarySibling(const std::string& path)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::ostringstream name;
    name << path << ".tmp-" << ::getpid() << '-' << std::hex << random();
    return name.str();
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

namespace {

bool writeThroughTemporary(const std::string& path, std::string_view bytes, bool flush)
{
    const std::string temporary = temporarySibling(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes) && (!flush || ::fsync(fd) == 0);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    return writeThroughTemporary(path, bytes, true);
}

bool writeFileReplacing(const std::string& path, std::string_view bytes)
{
    return writeThroughTemporary(path, bytes, false);
}

bool createDirectories(const std::string& path)
{
    std::error_code error;
    fs::create_directories(path, error);
    return isDirectory(path);
}

bool createDirectory(const std::string& path)
{
    std::error_code error;
    fs::create_directory(path, error);
    return isDirectory(path);
}

bool removeAll(const std::string& path)
{
    std::error_code error;
    fs::remove_all(path, error);
    return !error;
}

bool copyFile(const std::string& from, const std::string& to)
{
    std::optional<std::string> content = readFile(from);
    return content && writeFileReplacing(to, *content);
}

bool copyTree(const std::string& from, const std::string& to)
{
    std::error_code error;
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
    return !error;
}

std::optional<std::string> makeUniqueFolder(const std::string& pattern)
{
    std::string buffer = pattern;
    if (!mkdtemp(buffer.data()))
        return std::nullopt;
    std::error_code ignored;
    fs::permissions(buffer, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec, ignored);
    return buffer;
}

std::optional<std::string> makeStagingFolderFor(const std::string& target)
{
    const std::string parent = deletingLastPathComponent(target);
    const std::string prefix = "." + lastPathComponent(target) + ".";
    std::error_code error;
    std::vector<std::string> stale;
    for (const auto& entry : std::filesystem::directory_iterator(parent, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            stale.push_back(entry.path().string());
    }
    for (const std::string& path : stale)
        removeAll(path);
    return makeUniqueFolder(joinPath(parent, prefix + "XXXXXX"));
}

bool replaceFolder(const std::string& from, const std::string& to)
{
    if (!exists(to))
        return std::rename(from.c_str(), to.c_str()) == 0;
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) == 0)
        return removeAll(from);  // "from" now holds the old folder
    // File systems without the exchange: two renames, with the old folder kept until the
    // new one is in place.
    const std::optional<std::string> aside = makeUniqueFolder(to + ".old-XXXXXX");
    if (!aside)
        return false;
    const std::string old = joinPath(*aside, "old");
    if (std::rename(to.c_str(), old.c_str()) != 0) {
        removeAll(*aside);
        return false;
    }
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        std::rename(old.c_str(), to.c_str());
        removeAll(*aside);
        return false;
    }
    return removeAll(*aside);
}

} // namespace pw::file
