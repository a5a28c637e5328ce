#pragma once

#include <atomic>
#include <functional>
#include <mutex>

namespace pw {

// A unit of background work for an OperationQueue. A cancelled operation still runs (its main
// sees isCancelled and returns) and still reports that it finished.
class Operation {
public:
    Operation() = default;
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
    virtual ~Operation() = default;

    // The work itself, on the queue's worker thread.
    virtual void main() = 0;
    // Marks the operation cancelled; subclasses also stop work in progress. Any thread.
    virtual void cancel() { iCancelled.store(true); }
    bool isCancelled() const { return iCancelled.load(); }
    bool isFinished() const { return iFinished.load(); }

    // Called once, on the worker thread, right after the operation ends, cancelled or not.
    // Set it before the operation is queued.
    void setFinishedHandler(std::function<void()> handler) { iFinishedHandler = std::move(handler); }

    // Runs main and reports the end; the queue calls it.
    void run();

private:
    std::atomic<bool> iCancelled{false};
    std::atomic<bool> iFinished{false};
    std::function<void()> iFinishedHandler;
};

} // namespace pw
