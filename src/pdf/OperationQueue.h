#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "pdf/Operation.h"

namespace pw {

// Runs operations one after another on one worker thread of its own.
class OperationQueue {
public:
    OperationQueue();
    OperationQueue(const OperationQueue&) = delete;
    OperationQueue& operator=(const OperationQueue&) = delete;
    // Cancels everything and waits for the running operation to end.
    ~OperationQueue();

    void addOperation(std::shared_ptr<Operation> operation);
    // Operations queued or running.
    int operationCount() const;
    // Cancels every queued and running operation; each still finishes and reports.
    void cancelAllOperations();
    // Blocks until no operation is queued or running.
    void waitUntilAllOperationsAreFinished() const;

private:
    void work();

    mutable std::mutex iMutex;
    mutable std::condition_variable iChanged;
    std::deque<std::shared_ptr<Operation>> iQueued;
    std::shared_ptr<Operation> iRunning;
    bool iClosing = false;
    std::thread iWorker;
};

} // namespace pw
