#include "cli/StopSignalWatcher.h"

#include <csignal>

#include <pthread.h>

namespace pw::cli {

namespace {

sigset_t watchedSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGUSR1);  // our own wake-up when the work is done
    return signals;
}

} // namespace

StopSignalWatcher::StopSignalWatcher(std::function<void()> onStop) : iOnStop(std::move(onStop))
{
    const sigset_t signals = watchedSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    iWatcher = std::thread([this, signals] {
        int received = 0;
        sigwait(&signals, &received);
        if (received == SIGUSR1)
            return;
        iStopped.store(true);
        if (iOnStop)
            iOnStop();
    });
}

StopSignalWatcher::~StopSignalWatcher()
{
    if (iStopped.load()) {
        iWatcher.join();
        return;
    }
    pthread_kill(iWatcher.native_handle(), SIGUSR1);
    iWatcher.join();
    // Ctrl-C works as usual again once the long work is over.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
}

} // namespace pw::cli
