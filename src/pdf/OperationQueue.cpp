#include "pdf/OperationQueue.h"

namespace pw {

OperationQueue::OperationQueue() : iWorker([this] { work(); }) {}

OperationQueue::~OperationQueue()
{
    cancelAllOperations();
    {
        const std::lock_guard lock(iMutex);
        iClosing = true;
    }
    iChanged.notify_all();
    iWorker.join();
}

void OperationQueue::addOperation(std::shared_ptr<Operation> operation)
{
    if (!operation)
        return;
    {
        const std::lock_guard lock(iMutex);
        iQueued.push_back(std::move(operation));
    }
    iChanged.notify_all();
}

int OperationQueue::operationCount() const
{
    const std::lock_guard lock(iMutex);
    return static_cast<int>(iQueued.size()) + (iRunning ? 1 : 0);
}

void OperationQueue::cancelAllOperations()
{
    const std::lock_guard lock(iMutex);
    for (const auto& operation : iQueued)
        operation->cancel();
    if (iRunning)
        iRunning->cancel();
}

void OperationQueue::waitUntilAllOperationsAreFinished() const
{
    std::unique_lock lock(iMutex);
    iChanged.wait(lock, [this] { return iQueued.empty() && !iRunning; });
}

void OperationQueue::work()
{
    for (;;) {
        std::shared_ptr<Operation> next;
        {
            std::unique_lock lock(iMutex);
            iChanged.wait(lock, [this] { return iClosing || !iQueued.empty(); });
            // Queued operations still run when closing, cancelled, so that each reports its end.
            if (iQueued.empty())
                return;
            next = iQueued.front();
            iQueued.pop_front();
            iRunning = next;
        }
        next->run();
        {
            const std::lock_guard lock(iMutex);
            iRunning.reset();
        }
        iChanged.notify_all();
    }
}

} // namespace pw
