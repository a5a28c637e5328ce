#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace pw::cli {

// Turns Ctrl-C (SIGINT) and SIGTERM into a call of onStop on a thread of its own, so long work
// can be cancelled in ordinary code rather than in a signal handler. Construct it before any
// other thread starts: the signals are blocked for the threads made afterwards.
class StopSignalWatcher {
public:
    explicit StopSignalWatcher(std::function<void()> onStop);
    StopSignalWatcher(const StopSignalWatcher&) = delete;
    StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;
    ~StopSignalWatcher();

    bool stopped() const { return iStopped.load(); }

private:
    std::function<void()> iOnStop;
    std::atomic<bool> iStopped{false};
    std::thread iWatcher;
};

} // namespace pw::cli
