// pagewind-cli serve FOLDER [--port N]: shows a published book over http://127.0.0.1, for
// browsers that refuse to let a file: page read the files beside it.

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <thread>

#include <pthread.h>

#include "base/FileUtil.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/StaticFileServer.h"

namespace pw::cli {

namespace {

constexpr int kDefaultPort = 8600;

int parsePort(const std::string& text)
{
    std::size_t used = 0;
    int port = -1;
    try {
        port = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || port < 0 || port > 65535)
        throw UsageError("--port takes a number from 0 to 65535, not \"" + text + "\"");
    return port;
}

// The page to open: index.html when there is one, else the first HTML page of the folder.
std::string pageToOpen(const std::string& folder)
{
    if (file::isRegularFile(file::joinPath(folder, "index.html")))
        return "index.html";
    std::error_code error;
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path().filename().string());
    }
    std::sort(pages.begin(), pages.end());
    return pages.empty() ? "" : pages.front();
}

// Ctrl-C and SIGTERM are taken by sigwait on this thread, so the server thread never runs a
// signal handler and stop() runs in ordinary code.
sigset_t blockStopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

} // namespace

int runServe(const std::vector<std::string>& args)
{
    const ParsedArguments parsed = parseArguments(args, {{"--port", true}});
    if (parsed.positionals.size() != 1)
        throw UsageError("serve takes exactly one folder");
    // A wrong call is told as one (exit 2) whatever the folder holds.
    const int requestedPort = parsed.has("--port") ? parsePort(*parsed.last("--port")) : kDefaultPort;
    const std::string& folder = parsed.positionals[0];
    if (!file::isDirectory(folder))
        throw Failure("no such folder: " + folder);

    const sigset_t signals = blockStopSignals();
    StaticFileServer server(folder);
    const int port = server.bind(requestedPort);
    std::thread serving([&server] { server.listen(); });

    std::cout << "Serving " << folder << " at http://127.0.0.1:" << port << "/" << pageToOpen(folder) << "\n"
              << "Open that address in a browser; press Ctrl-C to stop." << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
    serving.join();
    std::cout << "Stopped." << std::endl;
    return kExitOk;
}

} // namespace pw::cli
