#include "cli/StaticFileServer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include <httplib.h>

#include "base/FileUtil.h"
#include "cli/CliSupport.h"

namespace fs = std::filesystem;

namespace pw::cli {

namespace {

std::string lowercase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Encoded dots and separators have no business in a book's file names; refusing them outright
// closes every double-decoding trick without having to reason about them.
bool hasEncodedEscape(std::string_view path)
{
    const std::string lower = lowercase(path);
    for (const char* escape : {"%2e", "%2f", "%5c", "%00"}) {
        if (lower.find(escape) != std::string::npos)
            return true;
    }
    return false;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Percent-decodes the path; none for a malformed escape.
std::optional<std::string> percentDecoded(std::string_view path)
{
    std::string decoded;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '%') {
            decoded += path[i];
            continue;
        }
        if (i + 2 >= path.size() || hexValue(path[i + 1]) < 0 || hexValue(path[i + 2]) < 0)
            return std::nullopt;
        decoded += static_cast<char>(hexValue(path[i + 1]) * 16 + hexValue(path[i + 2]));
        i += 2;
    }
    return decoded;
}

// The path's segments without empty and "." ones; none when one of them is "..".
std::optional<std::vector<std::string>> safeSegments(std::string_view path)
{
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment(path.substr(start, end - start));
        if (segment == "..")
            return std::nullopt;
        if (!segment.empty() && segment != ".")
            segments.push_back(segment);
        start = end + 1;
    }
    return segments;
}

bool isInside(const fs::path& candidate, const fs::path& root)
{
    std::error_code error;
    const fs::path real = fs::weakly_canonical(candidate, error);
    if (error)
        return false;
    const auto mismatch = std::mismatch(root.begin(), root.end(), real.begin(), real.end());
    return mismatch.first == root.end();
}

ResolvedRequest status(int code)
{
    ResolvedRequest resolved;
    resolved.status = code;
    return resolved;
}

} // namespace

class StaticFileServer::Impl {
public:
    httplib::Server server;
};

StaticFileServer::StaticFileServer(std::string rootFolder)
    : iRootFolder(std::move(rootFolder)), iImpl(std::make_unique<Impl>())
{
    // Idle browser connections hold up stop() until they time out; a local viewer needs no long ones.
    iImpl->server.set_keep_alive_timeout(1);
    iImpl->server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        const ResolvedRequest resolved = resolve(request.target);
        response.status = resolved.status;
        if (resolved.status == 301) {
            response.set_header("Location", resolved.location);
            return;
        }
        if (resolved.status != 200) {
            response.set_content(resolved.status == 403 ? "Forbidden\n" : "Not found\n", "text/plain");
            return;
        }
        const std::optional<std::string> bytes = file::readFile(resolved.filePath);
        if (!bytes) {
            response.status = 404;
            response.set_content("Not found\n", "text/plain");
            return;
        }
        response.set_header("Cache-Control", "no-cache");
        response.set_content(*bytes, mimeTypeForPath(resolved.filePath).c_str());
    });
}

StaticFileServer::~StaticFileServer() = default;

int StaticFileServer::bind(int port)
{
    const int bound = port == 0 ? iImpl->server.bind_to_any_port("127.0.0.1")
                                : (iImpl->server.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0)
        throw Failure("cannot listen on 127.0.0.1:" + std::to_string(port) + " (is the port in use?)");
    return bound;
}

void StaticFileServer::listen()
{
    iImpl->server.listen_after_bind();
}

void StaticFileServer::stop()
{
    iImpl->server.stop();
}

ResolvedRequest StaticFileServer::resolve(std::string_view rawTarget) const
{
    const std::string_view path = rawTarget.substr(0, rawTarget.find_first_of("?#"));
    if (path.empty() || path.front() != '/')
        return status(400);
    if (hasEncodedEscape(path) || path.find('\\') != std::string_view::npos)
        return status(403);
    const std::optional<std::string> decoded = percentDecoded(path);
    if (!decoded)
        return status(400);
    if (decoded->find('\0') != std::string::npos || decoded->find('\\') != std::string::npos)
        return status(403);
    const auto segments = safeSegments(*decoded);
    if (!segments)
        return status(403);

    std::error_code error;
    const fs::path root = fs::canonical(iRootFolder, error);
    if (error)
        return status(404);
    fs::path candidate = root;
    for (const std::string& segment : *segments)
        candidate /= segment;
    if (!isInside(candidate, root))
        return status(403);
    if (fs::is_directory(candidate, error)) {
        if (decoded->back() != '/') {
            ResolvedRequest redirect = status(301);
            redirect.location = std::string(path) + "/";
            return redirect;
        }
        candidate /= "index.html";
    }
    if (!fs::is_regular_file(candidate, error))
        return status(404);
    ResolvedRequest found = status(200);
    found.filePath = candidate.string();
    return found;
}

std::string StaticFileServer::mimeTypeForPath(std::string_view path)
{
    static const std::map<std::string, std::string> types = {
        {"html", "text/html; charset=utf-8"}, {"htm", "text/html; charset=utf-8"},
        {"js", "text/javascript; charset=utf-8"}, {"mjs", "text/javascript; charset=utf-8"},
        {"css", "text/css; charset=utf-8"}, {"json", "application/json"},
        {"xml", "application/xml"}, {"txt", "text/plain; charset=utf-8"},
        {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"}, {"png", "image/png"}, {"gif", "image/gif"},
        {"svg", "image/svg+xml"}, {"webp", "image/webp"}, {"ico", "image/x-icon"},
        {"bmp", "image/bmp"}, {"tif", "image/tiff"}, {"tiff", "image/tiff"},
        {"swf", "application/x-shockwave-flash"}, {"pdf", "application/pdf"},
        {"mp3", "audio/mpeg"}, {"wav", "audio/wav"}, {"ogg", "audio/ogg"}, {"mp4", "video/mp4"},
        {"woff", "font/woff"}, {"woff2", "font/woff2"}, {"ttf", "font/ttf"},
    };
    const auto found = types.find(lowercase(file::pathExtension(std::string(path))));
    return found == types.end() ? "application/octet-stream" : found->second;
}

} // namespace pw::cli
