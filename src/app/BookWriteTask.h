#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>

#include "project/BookPublisher.h"

namespace pw {

// Writes a book (BookPublisher) on a pool thread, so the window stays responsive while a long
// book is written, with progress and a cancel that leaves the previous book as it was.
class BookWriteTask : public QObject {
    Q_OBJECT

public:
    explicit BookWriteTask(QObject* parent = nullptr);
    // A run still going is stopped and waited for.
    ~BookWriteTask() override;

    // Starts writing and returns at once; ignored while a run is going.
    void start(BookPublisher::Book book, BookPublisher::Target target);
    // Ends the run between two pages.
    void cancel();
    bool isRunning() const { return iWatcher != nullptr; }
    // Blocks until a run that goes has ended (finished is still emitted later, from the loop).
    void waitForFinished();
    // The last run's result, valid once finished was emitted.
    const BookPublisher::Result& result() const { return iResult; }

signals:
    // Pages written so far and in all, on the main thread.
    void progress(int done, int total);
    void finished();
    // From the writing thread, when no update is on its way; reaches the main thread queued.
    void progressPosted();

private:
    void onDone();

    std::shared_ptr<std::atomic<bool>> iStop;
    QFutureWatcher<BookPublisher::Result>* iWatcher = nullptr;  // a child while a run goes
    BookPublisher::Result iResult;
    std::atomic<std::size_t> iDone{0};
    std::atomic<std::size_t> iTotal{0};
    std::atomic<bool> iProgressPosted{false};
};

} // namespace pw
