#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PlatformPaths.h"
#include "base/XmlDocument.h"

// Shared by the fuzz targets: quiet logging and a scratch file per process for readers that
// only take paths.
namespace pw::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Errors only: the readers log every refused input, which would drown the fuzzer's output.
inline void quietLogging()
{
    static const bool once = [] {
        log::configureConsole(log::Level::error);
        return true;
    }();
    (void)once;
}

// A path under the user temp folder that is private to this process and this target.
inline std::string scratchPath(std::string_view name)
{
    return file::joinPath(platform::userTemporaryFolder(), "pw-fuzz-" + std::to_string(getpid()) + "-" + std::string(name));
}

// Reports a broken invariant as a crash, which is what the fuzzer and the replay look for.
[[noreturn]] inline void fail(const char* what)
{
    fprintf(stderr, "invariant broken: %s\n", what);
    abort();
}

// Every document the writers produce must be well-formed XML, whatever went into it, as a
// reader's browser parses it: strictly, without recovery.
inline void requireWellFormed(const std::string& xml, const char* what)
{
    if (!xml::Document::isWellFormed(xml))
        fail(what);
}

} // namespace pw::fuzz
