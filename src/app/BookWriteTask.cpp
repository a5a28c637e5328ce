#include "app/BookWriteTask.h"

#include <QtConcurrent/QtConcurrentRun>

namespace pw {

BookWriteTask::BookWriteTask(QObject* parent) : QObject(parent)
{
    connect(this, &BookWriteTask::progressPosted, this, [this] {
        iProgressPosted.store(false);
        emit progress(static_cast<int>(iDone.load()), static_cast<int>(iTotal.load()));
    }, Qt::QueuedConnection);
}

BookWriteTask::~BookWriteTask()
{
    cancel();
    if (iWatcher)
        iWatcher->waitForFinished();
}

void BookWriteTask::start(BookPublisher::Book book, BookPublisher::Target target)
{
    if (iWatcher)
        return;
    iStop = std::make_shared<std::atomic<bool>>(false);
    iWatcher = new QFutureWatcher<BookPublisher::Result>(this);
    connect(iWatcher, &QFutureWatcher<BookPublisher::Result>::finished, this, &BookWriteTask::onDone);
    // The destructor waits for the run, so the task outlives every call the worker makes on it;
    // queued calls still waiting when it goes are dropped with it.
    iWatcher->setFuture(QtConcurrent::run([this, book = std::move(book), target = std::move(target), stop = iStop] {
        // The newest count waits in the atomics; at most one call is on its way, so a fast run
        // never floods the window with updates it cannot draw in time.
        const auto report = [this](std::size_t done, std::size_t total) {
            iDone.store(done);
            iTotal.store(total);
            if (!iProgressPosted.exchange(true))
                emit progressPosted();
        };
        return BookPublisher::publish(book, target, report, stop.get());
    }));
}

void BookWriteTask::waitForFinished()
{
    if (iWatcher)
        iWatcher->waitForFinished();
}

void BookWriteTask::cancel()
{
    if (iStop)
        iStop->store(true);
}

void BookWriteTask::onDone()
{
    iResult = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    emit finished();
}

} // namespace pw
