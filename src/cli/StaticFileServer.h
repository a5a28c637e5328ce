#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pw::cli {

// What a request target maps to inside the served folder.
struct ResolvedRequest {
    int status = 404;        // 200, 301 (folder without its slash), 400 (malformed), 403 (escape attempt), 404
    std::string filePath;    // the file to send when status is 200
    std::string location;    // the redirect target when status is 301
};

// Serves one folder read-only over HTTP on 127.0.0.1, for viewing a published book in a browser
// that refuses file: pages. Never lists folders: a folder request sends its index.html or 404.
class StaticFileServer {
public:
    explicit StaticFileServer(std::string rootFolder);
    StaticFileServer(const StaticFileServer&) = delete;
    StaticFileServer& operator=(const StaticFileServer&) = delete;
    ~StaticFileServer();

    // Binds 127.0.0.1:port (0 picks a free port) and returns the bound port; throws Failure when
    // the port cannot be bound.
    int bind(int port);
    // Serves until stop() is called from another thread.
    void listen();
    void stop();

    // Maps a raw request target ("/files/page/1.jpg?x=1") to a file of the root folder. Targets
    // with a ".." segment, a backslash, a NUL, or any percent-encoded dot, slash or backslash are
    // refused with 403, as are files reached through links leading out of the folder.
    ResolvedRequest resolve(std::string_view rawTarget) const;

    // The Content-Type for a file name, by extension; "application/octet-stream" when unknown.
    static std::string mimeTypeForPath(std::string_view path);

private:
    class Impl;
    std::string iRootFolder;
    std::unique_ptr<Impl> iImpl;
};

} // namespace pw::cli
