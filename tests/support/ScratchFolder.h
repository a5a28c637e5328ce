#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/FileUtil.h"

namespace pw::test {

// A fresh folder below the system temporary folder, removed with everything in it at scope end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "pw-test.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchFolder() { file::removeAll(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return file::joinPath(path_, relative); }
    // Writes a file below the folder, making the folders on its way, and gives its path. A file
    // that cannot be written throws, which fails the test.
    std::string write(const std::string& relative, const std::string& bytes) const
    {
        const std::string path = *this / relative;
        if (!file::createDirectories(file::deletingLastPathComponent(path)) || !file::writeFileAtomically(path, bytes))
            throw std::runtime_error("cannot write " + path);
        return path;
    }

private:
    std::string path_;
};

// Sets an environment variable for the scope, restoring the old value afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str()))
            old_ = old;
        ::setenv(name_.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace pw::test
